#include "TrayMenuDriver.h"

#include "MenuOnScreen.h"
#include "TrayIcon.h"
#include "TrayWindow.h"

namespace {

constexpr const wchar_t* kClassName = L"KitbagSoakMenuDriver";
constexpr UINT_PTR kTimerId = 1;
// Long enough for any busy machine; a menu still open then is a failure, not a wait.
constexpr DWORD kPatienceMs = 15000;
// Under Wine the menu's owner is sent WM_CANCELMODE, which closes the menu, when the X
// focus leaves it; on a busy machine the window manager may move the focus that late,
// catching up with an earlier activation, before the driver's first look at the menu.
// A player would click again; a menu closed like that every time is a failure.
constexpr int kOpenings = 4;

// The driver whose menu is open; the menu loop runs on this thread only.
TrayMenuDriver* driverOpening = nullptr;

struct ThreadHook {
    HHOOK handle;
    ThreadHook(int kind, HOOKPROC proc)
        : handle(SetWindowsHookExW(kind, proc, nullptr, GetCurrentThreadId())) {}
    ~ThreadHook() {
        if (handle) UnhookWindowsHookEx(handle);
    }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;
};

std::vector<std::string> ItemsOf(HWND menuWindow) {
    std::vector<std::string> items;
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        items.emplace_back(text);
    }
    return items;
}

// Keys for the menu's own loop, which reads them from this thread's queue whichever
// window has the foreground: under Wine the window manager may hand the foreground to
// its stand-alone tray window just when the menu opens, and keys from the system
// keyboard would go there.
void PressKeys(HWND menu, const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        PostMessageW(menu, WM_KEYDOWN, key, 1);
        PostMessageW(menu, WM_KEYUP, key, LPARAM(0xC0000001));
    }
}

}  // namespace

TrayMenuDriver::TrayMenuDriver(TTrayIcon& icon) : icon_(icon) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &WindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kClassName;
    RegisterClassW(&cls);
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TrayMenuDriver::~TrayMenuDriver() { DestroyWindow(window_); }

TrayMenuDriver::Outcome TrayMenuDriver::OpenAndDismiss() { return Open(Action::Dismiss, 0); }

TrayMenuDriver::Outcome TrayMenuDriver::OpenAndChoose(int index) {
    return Open(Action::Choose, index);
}

TrayMenuDriver::Outcome TrayMenuDriver::Open(Action action, int index) {
    action_ = action;
    index_ = index;
    ThreadHook filter(WH_MSGFILTER, &MenuFilter);
    driverOpening = this;
    int reopened = 0;
    for (int opening = 1;; ++opening) {
        OpenOnce();
        // Only a menu that ran and was closed before the driver's request reached it is
        // opened again; one that never ran is the program's failure.
        bool reached = action_ == Action::Dismiss ? outcome_.shown : enterReached_;
        if (!menuRan_ || reached || outcome_.forced || opening == kOpenings) break;
        ++reopened;
    }
    driverOpening = nullptr;
    outcome_.reopened = reopened;
    return outcome_;
}

void TrayMenuDriver::OpenOnce() {
    outcome_ = Outcome{};
    actedAt_ = 0;
    menuRan_ = enterReached_ = false;
    openedAt_ = GetTickCount();
    SetTimer(window_, kTimerId, 10, nullptr);
    // What the shell sends the icon's window when the player presses the right button
    // on the icon; the menu's loop runs inside this call.
    SendMessageW(TrayWindow()->Window(), TrayCallbackMessage, icon_.IconId(), WM_RBUTTONDOWN);
    KillTimer(window_, kTimerId);
}

// Sees each message the menu's loop takes, before the loop acts on it.
LRESULT CALLBACK TrayMenuDriver::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && driverOpening) {
        const auto& msg = *reinterpret_cast<const MSG*>(lParam);
        driverOpening->menuRan_ = true;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN)
            driverOpening->enterReached_ = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TrayMenuDriver::Tick() {
    HWND menu = VisibleMenuWindow(GetCurrentThreadId());
    DWORD now = GetTickCount();
    if (!menu) {
        if (!outcome_.shown && now - openedAt_ > kPatienceMs) {
            outcome_.forced = true;  // a menu that never shows would hold the loop forever
            EndMenu();
        }
        return;
    }
    if (!outcome_.shown) {
        outcome_.shown = true;
        outcome_.items = ItemsOf(menu);
        actedAt_ = now;
        if (action_ == Action::Dismiss) {
            EndMenu();
        } else {
            std::vector<WORD> keys(size_t(index_ + 1), VK_DOWN);
            keys.push_back(VK_RETURN);
            PressKeys(menu, keys);
        }
        return;
    }
    if (now - actedAt_ > kPatienceMs) {
        outcome_.forced = true;
        EndMenu();
    }
}

LRESULT CALLBACK TrayMenuDriver::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        auto* self = reinterpret_cast<TrayMenuDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        try {
            if (self) self->Tick();
        } catch (...) {
            EndMenu();  // nothing may cross back into the system's loop
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
