#include "ForegroundEvents.h"

#include <utility>

#include "Platform.h"

namespace {
// An event procedure is given no context of its own: the one live listener is found here,
// as the keyboard hook's is.
TForegroundEvents* gLiveListener = nullptr;
}  // namespace

bool ForegroundChangesReported() {
    HMODULE ntdll = platform::GetModuleHandleA("ntdll.dll");
    return ntdll && !platform::GetProcAddress(ntdll, "wine_get_version");
}

TForegroundEvents::TForegroundEvents(Handler onChange) : onChange_(std::move(onChange)) {
    if (gLiveListener) return;
    hook_ = platform::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                      &TForegroundEvents::Procedure, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (hook_) gLiveListener = this;
}

TForegroundEvents::~TForegroundEvents() {
    if (!hook_) return;
    platform::UnhookWinEvent(hook_);
    gLiveListener = nullptr;
}

void CALLBACK TForegroundEvents::Procedure(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                           LONG, DWORD, DWORD) {
    if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW || !gLiveListener) return;
    // Nothing may unwind into the system.
    try {
        gLiveListener->onChange_(window);
    } catch (...) {
    }
}
