#include "KeyTarget.h"

#include <algorithm>

#include "TestSupport.h"

namespace {
constexpr const wchar_t* kClassName = L"KitbagTestTarget";
}

KeyTarget::KeyTarget(const wchar_t* title) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &WindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kClassName;
    RegisterClassW(&cls);
    window_ = CreateWindowExW(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              20, 20, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

KeyTarget::~KeyTarget() { DestroyWindow(window_); }

LRESULT CALLBACK KeyTarget::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<KeyTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (msg) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: self->events_.push_back("down " + std::to_string(wParam)); return 0;
            case WM_KEYUP:
            case WM_SYSKEYUP: self->events_.push_back("up " + std::to_string(wParam)); return 0;
            case WM_HOTKEY: self->events_.push_back("hotkey " + std::to_string(wParam)); return 0;
            default: break;
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

bool KeyTarget::TakeForeground() { return HoldForeground(window_); }

bool HoldForeground(HWND window) {
    // The window manager may still be settling an earlier activation: the foreground
    // counts only once it has stayed put for a while.
    DWORD since = 0;
    return PumpUntil([&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            since = 0;
            return false;
        }
        if (!since) since = GetTickCount();
        return GetTickCount() - since >= 250;
    });
}

int KeyTarget::Count(const std::string& event) const {
    return int(std::count(events_.begin(), events_.end(), event));
}

bool KeyTarget::WaitFor(const std::string& event, DWORD timeoutMs) {
    return PumpUntil([&] { return Count(event) > 0; }, timeoutMs);
}

void SendKeys(const std::vector<int>& strokes) {
    std::vector<INPUT> inputs;
    for (int stroke : strokes) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = WORD(std::abs(stroke));
        input.ki.wScan = WORD(MapVirtualKeyW(UINT(std::abs(stroke)), MAPVK_VK_TO_VSC));
        input.ki.dwFlags = stroke < 0 ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}
