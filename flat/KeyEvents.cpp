#include "KeyEvents.h"

#include <windows.h>

#include <cstdint>

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

bool FireKeyEvent(TObject* sender, TMessage& message, const TKeyEvent& event) {
    if (!event) return true;
    auto key = std::uint16_t(message.WParam);
    event(sender, key, KeyboardShiftState());
    if (key == 0) return false;
    message.WParam = key;
    return true;
}

bool FireKeyPressEvent(TObject* sender, TMessage& message, const TKeyPressEvent& event) {
    if (!event) return true;
    char key = char(message.WParam);
    event(sender, key);
    if (key == 0) return false;
    message.WParam = static_cast<unsigned char>(key);
    return true;
}
