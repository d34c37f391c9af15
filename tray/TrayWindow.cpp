#include "TrayWindow.h"

#include <vector>

#include "Application.h"
#include "Platform.h"
#include "TrayIcon.h"

namespace {

DWORD& VersionCache() {
    static DWORD cache = 0;
    return cache;
}

UINT& TaskbarMessage() {
    static UINT message = 0;
    return message;
}

// Once per process, before the first icon: whether the shell will announce a new taskbar.
void InitialiseOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    if (LONG(CommonControlsVersion()) >= 0x40047)
        TaskbarMessage() = platform::RegisterWindowMessageA("TaskbarCreated");
}

}  // namespace

// ---- the shared window

TTrayIconHandler::TTrayIconHandler()
    : window_([this](TMessage& message) { HandleTrayMessage(message); }) {}

void TTrayIconHandler::HandleTrayMessage(TMessage& message) {
    switch (message.Msg) {
        case TrayCallbackMessage: {
            auto found = Icons.find(UINT(message.WParam));
            if (found != Icons.end()) found->second->HandleNotification(UINT(message.LParam));
            return;
        }
        // Neither a close request nor the end of the session may take the window away.
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_QUIT:
        case WM_ENDSESSION:
        case WM_NCDESTROY: message.Result = 1; return;
        default:
            message.Result =
                platform::DefWindowProcA(Window(), message.Msg, message.WParam, message.LParam);
    }
}

TTrayIconHandler* TrayWindow() { return SharedHandler<TTrayIconHandler>::Get(); }

void AcquireTrayWindow() {
    InitialiseOnce();
    SharedHandler<TTrayIconHandler>::Acquire();
}

void ReleaseTrayWindow() { SharedHandler<TTrayIconHandler>::Release(); }

DWORD CommonControlsVersion() {
    DWORD& cache = VersionCache();
    if (cache) return cache;
    DWORD ignored = 0;
    DWORD size = platform::GetFileVersionInfoSizeA("comctl32.dll", &ignored);
    if (!size) return cache;
    std::vector<char> buffer(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (platform::GetFileVersionInfoA("comctl32.dll", 0, size, buffer.data()) &&
        platform::VerQueryValueA(buffer.data(), "\\", reinterpret_cast<LPVOID*>(&info), &length) &&
        info)
        cache = info->dwFileVersionMS;
    return cache;
}

UINT TaskbarCreatedMessage() { return TaskbarMessage(); }

// ---- the table entry and the application hook

TrayIconEntry::TrayIconEntry(TTrayIcon* icon) {
    AcquireTrayWindow();
    TTrayIconHandler& handler = *TrayWindow();
    UINT id = handler.NextIconId;
    while (id == 0 || handler.Icons.count(id)) ++id;
    try {
        handler.Icons.emplace(id, icon);
    } catch (...) {
        ReleaseTrayWindow();
        throw;
    }
    handler.NextIconId = id + 1;
    id_ = id;
}

TrayIconEntry::~TrayIconEntry() {
    if (TrayWindow()) TrayWindow()->Icons.erase(id_);
    ReleaseTrayWindow();
}

ApplicationHook::ApplicationHook(TApplication& application, std::function<bool(TMessage&)> hook)
    : application_(&application), id_(application.HookMainWindow(std::move(hook))) {}

ApplicationHook::~ApplicationHook() {
    if (Application == application_) application_->UnhookMainWindow(id_);
}
