#include "HotkeyEngine.h"

// Registration and release arrive with the engine itself; the window flow already calls
// them where they belong.
void ActivateHotkeys() {}

void ReleaseHotkeys() {}
