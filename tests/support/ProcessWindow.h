// The top-level window of a given class that belongs to a given process. Header-only, so
// the benchmark programs can use it without the test support library.
#pragma once

#include <windows.h>

inline HWND ProcessWindow(DWORD processId, const wchar_t* className) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}
