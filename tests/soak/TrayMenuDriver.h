// The tray icon's real popup menu, opened as the shell's right-click notification
// opens it. The menu runs its own modal loop, so what happens inside it is done from a
// timer of a window of the driver's own, which that loop dispatches; a message filter
// hook sees every message that loop takes, so the driver knows whether the menu ran and
// whether its Enter reached it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TTrayIcon;

class TrayMenuDriver {
public:
    explicit TrayMenuDriver(TTrayIcon& icon);
    ~TrayMenuDriver();
    TrayMenuDriver(const TrayMenuDriver&) = delete;
    TrayMenuDriver& operator=(const TrayMenuDriver&) = delete;

    struct Outcome {
        bool shown = false;              // the menu's window appeared
        std::vector<std::string> items;  // its items as the menu showed them ("" separators)
        bool forced = false;             // it did not close on its own and was ended
        // Times the menu ran but was closed by something else before the driver's first
        // look (or, when choosing, its Enter) reached it, and was opened again.
        int reopened = 0;
    };
    // Opens the menu and, once it is on screen, closes it without choosing.
    Outcome OpenAndDismiss();
    // Opens the menu and picks the item at this position (separators not counted) with
    // the menu's keyboard handling; returns once the item's handler has run.
    Outcome OpenAndChoose(int index);

private:
    enum class Action { Dismiss, Choose };
    Outcome Open(Action action, int index);
    void OpenOnce();
    void Tick();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);

    TTrayIcon& icon_;
    HWND window_ = nullptr;
    Action action_ = Action::Dismiss;
    int index_ = 0;
    Outcome outcome_;
    DWORD actedAt_ = 0;
    DWORD openedAt_ = 0;
    bool menuRan_ = false;       // the menu's loop took a message
    bool enterReached_ = false;  // the driver's Enter reached that loop
};
