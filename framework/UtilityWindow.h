// A hidden message-only window whose messages go to a handler of its owner's choosing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

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

// One handler of a hidden window shared by all its users: made for the first, destroyed
// with the last. Handler has a public UserCount.
template <class Handler>
class SharedHandler {
public:
    // The handler, or none while nobody uses it.
    static Handler* Get() { return Slot().get(); }
    static void Acquire() {
        if (!Slot()) Slot() = std::make_unique<Handler>();
        ++Slot()->UserCount;
    }
    static void Release() {
        auto& handler = Slot();
        if (!handler) return;
        if (handler->UserCount > 0) --handler->UserCount;
        if (handler->UserCount == 0) handler.reset();
    }

private:
    static std::unique_ptr<Handler>& Slot() {
        static std::unique_ptr<Handler> handler;
        return handler;
    }
};
