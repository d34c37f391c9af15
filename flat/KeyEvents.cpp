#include "KeyEvents.h"

#include <cstdint>

#include "ShiftState.h"

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
