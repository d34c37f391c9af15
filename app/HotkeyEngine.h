// The hotkey engine: the slot keys registered as system-wide hotkeys on the main window,
// and the keypad key injected for each press.
#pragma once

void ActivateHotkeys();
void ReleaseHotkeys();
