#include "KeypadLog.h"

#include <windows.h>

#include <cstdio>

std::string Describe(const KeyEvent& event) {
    return (event.down ? "down " : "up ") + std::to_string(event.key);
}

bool ParseKeyEvent(const std::string& entry, KeyEvent& event) {
    int key = 0;
    if (std::sscanf(entry.c_str(), "down %d", &key) == 1) {
        event = {true, key};
        return true;
    }
    if (std::sscanf(entry.c_str(), "up %d", &key) == 1) {
        event = {false, key};
        return true;
    }
    return false;
}

int KeypadKeyOf(int key) {
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return key;
    switch (key) {
        case VK_HOME: return VK_NUMPAD7;
        case VK_UP: return VK_NUMPAD8;
        case VK_LEFT: return VK_NUMPAD4;
        case VK_CLEAR: return VK_NUMPAD5;
        case VK_END: return VK_NUMPAD1;
        case VK_DOWN: return VK_NUMPAD2;
        default: return 0;
    }
}
