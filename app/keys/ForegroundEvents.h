// The window in front as the system reports its changes. Windows reports every change,
// also to a program that runs as administrator, whose keys a hook without those rights
// never sees; Wine 8 reports none, so there the keyboard hook looks at each key instead.
#pragma once

#include <windows.h>

#include <functional>

// Whether this system reports changes of the window in front: not under Wine, whose ntdll
// gives itself away by exporting wine_get_version. Asks no window, so it holds for a start
// that shows none.
bool ForegroundChangesReported();

class TForegroundEvents {
public:
    using Handler = std::function<void(HWND window)>;

    // Listens out of context: nothing of ours runs inside other programs, and the reports
    // arrive through this thread's messages. Only one may live at a time (a second is
    // left uninstalled).
    explicit TForegroundEvents(Handler onChange);
    ~TForegroundEvents();
    TForegroundEvents(const TForegroundEvents&) = delete;
    TForegroundEvents& operator=(const TForegroundEvents&) = delete;

    bool Installed() const { return hook_ != nullptr; }

    // The procedure the system calls; public so that a test can call it as Windows would.
    static void CALLBACK Procedure(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                   LONG child, DWORD thread, DWORD time);

private:
    Handler onChange_;
    HWINEVENTHOOK hook_ = nullptr;
};
