// The key options as the player switches them from the tray menu: at once for the
// running keys, and in the settings file beside the keys the player saved.
#pragma once

#include "KeyOptions.h"

// Switches one option in the hotkey engine, then rewrites only the option lines of the
// settings file, if one exists; without one the first Save Settings writes the options.
// A file that cannot be read or written raises the framework's file error and stays as
// it was; the option is switched all the same.
void ToggleKeyOption(bool KeyOptions::*option);
