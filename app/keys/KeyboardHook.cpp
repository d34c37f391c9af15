#include "KeyboardHook.h"

#include <utility>

#include "Platform.h"

namespace {
// A low-level hook procedure is given no context of its own, and the framework's thunks
// are made for window procedures (their first argument gives way to the object, where a
// hook's first argument is its code): the one live hook is found here.
TKeyboardHook* gLiveHook = nullptr;
}  // namespace

TKeyboardHook::TKeyboardHook(KeyHandler onKey) : onKey_(std::move(onKey)) {
    if (gLiveHook) return;
    hook_ = platform::SetWindowsHookExA(WH_KEYBOARD_LL, &TKeyboardHook::Procedure,
                                        platform::GetModuleHandleA(nullptr), 0);
    if (hook_) gLiveHook = this;
}

TKeyboardHook::~TKeyboardHook() {
    if (!hook_) return;
    platform::UnhookWindowsHookEx(hook_);
    gLiveHook = nullptr;
}

LRESULT CALLBACK TKeyboardHook::Procedure(int code, WPARAM message, LPARAM key) {
    if (code == HC_ACTION && gLiveHook) {
        // Nothing may unwind into the system's input path, and the key goes on regardless.
        try {
            gLiveHook->onKey_(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(key));
        } catch (...) {
        }
    }
    return platform::CallNextHookEx(nullptr, code, message, key);
}
