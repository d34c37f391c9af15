#include "ShiftState.h"

#include "Platform.h"

TShiftState KeyboardShiftState(ShiftStateAt at) {
    auto down = [at](int key) {
        return (at == ShiftStateAt::Now ? platform::GetAsyncKeyState(key) : GetKeyState(key)) < 0;
    };
    TShiftState shift = 0;
    if (down(VK_SHIFT)) shift |= ssShift;
    if (down(VK_CONTROL)) shift |= ssCtrl;
    if (down(VK_MENU)) shift |= ssAlt;
    return shift;
}

// A mouse message carries Shift and Ctrl but not Alt; only Alt is read, once per message.
TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift = GetKeyState(VK_MENU) < 0 ? ssAlt : 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    return shift;
}
