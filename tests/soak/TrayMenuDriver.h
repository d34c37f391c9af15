// The tray icon's real popup menu, opened as the shell's right-click notification
// opens it. The menu runs its own modal loop, so what happens inside it is done from a
// timer of a window of the driver's own, which that loop dispatches.
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
    };
    // Opens the menu and, once it is on screen, closes it without choosing.
    Outcome OpenAndDismiss();
    // Opens the menu and picks the item at this position (separators not counted) with
    // the menu's keyboard handling; returns once the item's handler has run.
    Outcome OpenAndChoose(int index);

private:
    enum class Action { Dismiss, Choose };
    Outcome Open(Action action, int index);
    void Tick();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    TTrayIcon& icon_;
    HWND window_ = nullptr;
    Action action_ = Action::Dismiss;
    int index_ = 0;
    Outcome outcome_;
    DWORD actedAt_ = 0;
    DWORD openedAt_ = 0;
};
