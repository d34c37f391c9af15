// Whether the program behind a window runs elevated while Kitbag does not. Windows then
// silently drops the keys Kitbag sends into it, and may hide its keys from Kitbag.
#pragma once

#include <windows.h>

bool RunsElevatedAboveUs(HWND window);

// Says so once: the window last asked about is remembered, so asking again for the same
// window (as each hotkey press does) costs one comparison.
class TElevationWatch {
public:
    // True the first time since the last Reset that a window is found running above us.
    bool Check(HWND window);
    void Reset();

private:
    HWND checked_ = nullptr;
    bool warned_ = false;
};
