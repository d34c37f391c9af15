// Shift, Ctrl and Alt (and for the mouse its buttons) as the shift state an event reports.
#pragma once

#include <windows.h>

#include "Types.h"

enum class ShiftStateAt {
    // As the keyboard stood when the message being handled was posted: right for the
    // handler of a keyboard or mouse message of this thread.
    Message,
    // As the keys are down this instant.
    Now,
};

TShiftState KeyboardShiftState(ShiftStateAt at = ShiftStateAt::Message);
// Key and button state of a mouse message (its wParam) as a shift state.
TShiftState MouseShiftState(WPARAM keys);
