// A low-level keyboard hook that tells of every key going down or up (LLKHF_UP in its
// flags), system-wide, for as long as it lives. It never swallows or holds back a key.
#pragma once

#include <windows.h>

#include <functional>

class TKeyboardHook {
public:
    using KeyHandler = std::function<void(const KBDLLHOOKSTRUCT&)>;

    // Installs the hook; only one may live at a time (a second is left uninstalled).
    explicit TKeyboardHook(KeyHandler onKey);
    ~TKeyboardHook();
    TKeyboardHook(const TKeyboardHook&) = delete;
    TKeyboardHook& operator=(const TKeyboardHook&) = delete;

    bool Installed() const { return hook_ != nullptr; }

    // The hook procedure Windows calls; public so that a test can call it as Windows would.
    static LRESULT CALLBACK Procedure(int code, WPARAM message, LPARAM key);

private:
    KeyHandler onKey_;
    HHOOK hook_ = nullptr;
};
