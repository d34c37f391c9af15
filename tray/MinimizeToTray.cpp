// The tray icon's bond with the application's windows: hiding and showing the main
// window with the taskbar entry, the hook on the application window, and the take-over
// of the owner form's window procedure.
#include "Application.h"
#include "Form.h"
#include "Platform.h"
#include "TrayIcon.h"
#include "TrayWindow.h"

HWND TTrayIcon::OwnerWindow() const {
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    return owner ? owner->Handle() : nullptr;
}

void TTrayIcon::HideMainWindow() {
    if (!dynamic_cast<TWinControl*>(Owner()) || !Application || !Application->MainForm()) return;
    Application->MainForm()->SetVisible(false);
    HideApplicationWindow();
}

// Hiding the application window removes the program's taskbar entry.
void TTrayIcon::HideApplicationWindow() {
    HWND app = Application->Handle();
    if (platform::IsWindowVisible(app)) platform::ShowWindow(app, SW_HIDE);
}

void TTrayIcon::ShowMainWindow() {
    if (!dynamic_cast<TWinControl*>(Owner()) || !Application || !Application->MainForm()) return;
    TCustomForm& main = *Application->MainForm();
    Application->Restore();
    // A program that started in the tray never showed the application window: its
    // taskbar entry comes back with the main window.
    if (!platform::IsWindowVisible(Application->Handle()))
        platform::ShowWindow(Application->Handle(), SW_SHOWNOACTIVATE);
    if (main.WindowState() == TWindowState::wsMinimized) main.SetWindowState(TWindowState::wsNormal);
    main.SetVisible(true);
    platform::SetForegroundWindow(Application->Handle());
}

void TTrayIcon::SendToTray() {
    HideMainWindow();
    SetIconVisible(true);
}

bool TTrayIcon::AppWindowHook(TMessage& message) {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    switch (message.Msg) {
        case WM_SIZE:
            if (message.WParam == SIZE_MINIMIZED && MinimizeToTray) SendToTray();
            break;
        case WM_WINDOWPOSCHANGED:
            if (startupCheckPending_ && main) {
                if (main->FormStyle() == TFormStyle::fsMDIForm) {
                    bool showMainForm = true;
                    if (OnStartup) OnStartup(this, showMainForm);
                    if (!showMainForm) HideApplicationWindow();
                }
                startupCheckPending_ = false;
            }
            break;
        case WM_SYSCOMMAND:
            if (message.WParam == SC_RESTORE && main) main->SetVisible(true);
            break;
        default: break;
    }
    // Put the icon back after the shell's taskbar has been re-created.
    if (TaskbarCreatedMessage() && message.Msg == TaskbarCreatedMessage() && iconVisible_)
        AddTrayIcon();
    return false;
}

void TTrayIcon::HookOwnerWindow() {
    ownerProcThunk_ = std::make_unique<WindowProcHook>(
        OwnerWindow(), [this](TMessage& message) { OwnerWindowProc(message); });
}

// The hook knows the owner's window by its handle, so a window that is already gone is
// never created again just to be unhooked.
void TTrayIcon::UnhookOwnerWindow() { ownerProcThunk_.reset(); }

void TTrayIcon::OwnerWindowProc(TMessage& message) {
    HWND owner = ownerProcThunk_->Window();
    switch (message.Msg) {
        case WM_SHOWWINDOW:
            if (message.WParam == 1 && message.LParam == 0) {
                // Shown by a show call: the tray window comes to the foreground.
                platform::SetForegroundWindow(Application->Handle());
                platform::SetForegroundWindow(owner);
            } else if (message.WParam == 0 && message.LParam == SW_PARENTCLOSING &&
                       !Application->Terminated()) {
                if (TryMinimizeToTray(message)) return;
            }
            break;
        case WM_SYSCOMMAND:
            if (message.WParam == SC_MINIMIZE && TryMinimizeToTray(message)) return;
            break;
        default: break;
    }
    ownerProcThunk_->PassOn(message);
}

bool TTrayIcon::TryMinimizeToTray(TMessage& message) {
    if (!MinimizeToTray || !OnMinimizeToTray) return false;
    OnMinimizeToTray(this);
    SendToTray();
    message.Result = 1;
    return true;
}

void TTrayIcon::StartupQuestion() {
    if (!dynamic_cast<TWinControl*>(Owner()) || (ComponentState() & csDesigning)) return;
    bool showMainForm = true;
    if (OnStartup) OnStartup(this, showMainForm);
    if (!showMainForm) {
        if (Application) Application->ShowMainForm = false;
        HideMainWindow();
    }
}
