// Runs the real kitbag.exe from a folder of the test's choosing and finds its windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The program under test: KITBAG_EXE in the environment (a Unix path is mapped to Z:).
std::wstring KitbagExePath();

// Polls the condition until it holds or the timeout passes; answers the condition.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

class KitbagProcess {
public:
    // Copies kitbag.exe into the folder and starts it there, as a user would.
    explicit KitbagProcess(const std::wstring& folder);
    ~KitbagProcess();
    KitbagProcess(const KitbagProcess&) = delete;
    KitbagProcess& operator=(const KitbagProcess&) = delete;

    // The top-level window of this process with the given class, or null.
    HWND Form(const wchar_t* className) const;
    bool Visible(const wchar_t* className) const;
    // Whether any top-level window of the program is visible.
    bool AnyWindowVisible() const;
    // The child window of a form whose top-left corner is at a client point.
    HWND ControlAt(const wchar_t* formClass, int left, int top) const;
    // The line buffer as the line-buffer window's memo shows it, lines joined by CR LF.
    std::string LineBuffer() const;
    bool WaitForExit(DWORD timeoutMs = 20000);
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION process_{};
};

// The text of another process's control.
std::string ControlText(HWND control);

// Moves the pointer to a screen point as a player's mouse would; answers whether it got there.
bool MovePointerTo(POINT screen);
// Moves the mouse to a point in a window's client area and clicks there, as a player's
// mouse would.
void ClickAt(HWND window, int x, int y, bool right = false);
// For clicks that lead somewhere and are harmless to repeat: clicks until the effect
// shows, at most three times. Right after a window appears under Wine a click can be
// lost before it reaches the program; a player would simply click again.
bool ClickUntil(HWND window, int x, int y, const std::function<bool()>& effect);

// The notification-area icons as Wine shows them without a tray host: children of a
// standalone tray window.
int TrayIconCount();
HWND TrayIcon();
// Right-clicks the tray icon and picks the item of its menu at this position (from 0,
// separators not counted) with the keyboard, as a player would.
bool ChooseTrayMenuItem(int index);
// The tray menu's items by that position.
enum TrayMenuItem {
    kShowSettings = 0,
    kShowMainmenu = 1,
    kOnlyInWarcraftIII = 2,
    kPauseKeysWhileChatting = 3,
    kActivateKeysAtStart = 4,
    kStartWithWindows = 5,
    kExitKitbag = 6
};
// Opens the tray menu, reads it from the screen (see MenuOutlineOnScreen) and closes it
// with Esc.
std::string TrayMenuOutline();
