// The one hidden window that receives the notifications of every tray icon, and what the
// icons share around it: the table that maps the shell's identifiers back to them, the
// hook on the application window, and what the shell tells about itself.
#pragma once

#include <windows.h>

#include <functional>
#include <unordered_map>

#include "UtilityWindow.h"

class TApplication;
class TTrayIcon;

constexpr UINT TrayCallbackMessage = 0x0800;

class TTrayIconHandler {
public:
    TTrayIconHandler();
    HWND Window() const { return window_.Handle(); }
    unsigned UserCount = 0;
    // The shell's 32-bit identifiers, mapped back to their live components.
    std::unordered_map<UINT, TTrayIcon*> Icons;
    UINT NextIconId = 1;

private:
    void HandleTrayMessage(TMessage& message);

    UtilityWindow window_;
};

void AcquireTrayWindow();
void ReleaseTrayWindow();
TTrayIconHandler* TrayWindow();
// The version of comctl32.dll, major in the high word; 0 when it cannot be read.
DWORD CommonControlsVersion();
// The message number the shell broadcasts when its taskbar is created; 0 if unknown.
UINT TaskbarCreatedMessage();

// A component's entry in the shared window's table, holding its share of the window:
// when it goes, neither the entry nor the share stays behind.
class TrayIconEntry {
public:
    explicit TrayIconEntry(TTrayIcon* icon);
    ~TrayIconEntry();
    TrayIconEntry(const TrayIconEntry&) = delete;
    TrayIconEntry& operator=(const TrayIconEntry&) = delete;
    UINT Id() const { return id_; }

private:
    UINT id_ = 0;
};

// A hook on the application window for as long as this and the application live.
class ApplicationHook {
public:
    ApplicationHook(TApplication& application, std::function<bool(TMessage&)> hook);
    ~ApplicationHook();
    ApplicationHook(const ApplicationHook&) = delete;
    ApplicationHook& operator=(const ApplicationHook&) = delete;

private:
    TApplication* application_;
    int id_;
};
