#include "HoverPoll.h"

#include "Screen.h"

bool PointerOver(TControl& control) {
    POINT cursor{};
    platform::GetCursorPos(&cursor);
    return FindDragTarget(cursor, true) == &control;
}
