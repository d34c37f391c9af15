// In the framework's core circle: the screen finds the window control (WinControl) that
// owns a window, for the application (Application) to steer the keyboard by.
#include "Screen.h"

#include <cctype>

#include "WinControl.h"

TScreen Screen;

TWinControl* FindOwningControl(HWND window) {
    TWinControl* control = nullptr;
    while (window && !(control = TWinControl::FromHandle(window))) window = GetParent(window);
    return control;
}

TWinControl* TScreen::ActiveControl() const { return FindOwningControl(GetFocus()); }

TControl* FindDragTarget(POINT screenPoint, bool allowDisabled) {
    HWND window = WindowFromPoint(screenPoint);
    if (!window) return nullptr;
    // Go down to the innermost child window, disabled ones included.
    HWND root = GetAncestor(window, GA_ROOT);
    for (HWND current = root; current;) {
        POINT client = screenPoint;
        ScreenToClient(current, &client);
        HWND child = ChildWindowFromPointEx(current, client, CWP_SKIPINVISIBLE);
        if (!child || child == current) {
            window = current;
            break;
        }
        current = child;
    }
    TWinControl* control = FindOwningControl(window);
    if (!control) return nullptr;
    if (!allowDisabled && !control->Enabled()) return nullptr;
    POINT client = control->ScreenToClient(screenPoint);
    TControl* inner = control->ControlAtPos(client, allowDisabled);
    return inner ? inner : control;
}

bool IsAccel(unsigned charCode, const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // a doubled ampersand shows one and marks nothing
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
               std::toupper(static_cast<int>(charCode & 0xFF));
    }
    return false;
}
