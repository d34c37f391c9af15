// Takes over a window's procedure for a handler that sees each message first and may
// pass it on to the procedure the window had. Unhooking gives that procedure back only
// while this hook is the window's procedure: under a later hook, whose saved procedure
// is ours, the thunk stays in the chain, passing every message on without the handler,
// and frees itself when the window is destroyed.
#pragma once

#include <windows.h>

#include <functional>

#include "Messages.h"

class WindowProcHook {
public:
    using THandler = std::function<void(TMessage&)>;
    // Installs the hook; a window whose procedure cannot be replaced keeps its own and
    // the handler never runs.
    WindowProcHook(HWND window, THandler handler);
    // Unhooks: after this the handler never runs again.
    ~WindowProcHook();
    WindowProcHook(const WindowProcHook&) = delete;
    WindowProcHook& operator=(const WindowProcHook&) = delete;

    // Hands the message to the procedure the window had before this hook.
    void PassOn(TMessage& message) const;
    HWND Window() const;
    WNDPROC SavedProc() const;

private:
    class Link;
    // The thunk with the saved procedure. Owned here until unhooking; a link left in the
    // window's chain then owns itself.
    Link* link_;
};
