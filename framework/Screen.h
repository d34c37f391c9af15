// The screen as the controls see it: which control has the focus, and which control
// lies under a point.
#pragma once

#include <windows.h>

#include <string>

class TControl;
class TWinControl;

class TScreen {
public:
    // The control of this program that has the keyboard focus, if any.
    TWinControl* ActiveControl() const;
};

extern TScreen Screen;

// The control under a screen point: the innermost windowed control there, or the
// topmost windowless child of it; disabled ones too when asked.
TControl* FindDragTarget(POINT screenPoint, bool allowDisabled);

// The framework control of a window, or of its nearest ancestor that is one.
TWinControl* FindOwningControl(HWND window);
// Whether the character is the accelerator of the caption (the one after '&').
bool IsAccel(unsigned charCode, const std::string& caption);
