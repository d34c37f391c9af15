// A hidden message-only window whose messages go to a handler of its owner's choosing.
#pragma once

#include <windows.h>

#include <functional>

#include "Messages.h"

class UtilityWindow {
public:
    using THandler = std::function<void(TMessage&)>;
    explicit UtilityWindow(THandler handler);
    ~UtilityWindow();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    THandler handler_;
    HWND handle_ = nullptr;
};
