// A non-visual component that keeps one icon in the notification area, turns the
// shell's mouse notifications into events, opens a popup menu at the cursor, can
// animate the icon, puts it back after the taskbar is re-created and minimises the
// application to the tray.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "Component.h"
#include "Icon.h"
#include "MessageTimer.h"
#include "TrayEvents.h"
#include "WindowProcHook.h"

// The shared notification window's side (TrayWindow.h).
class ApplicationHook;
class TrayIconEntry;

class TCustomImageList;
class TPopupMenu;

enum class TNotifyStyle : unsigned char { nsClassic = 0, nsVersion3 = 1 };

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    // Properties.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value);
    TCustomImageList* IconList() const { return iconList_; }
    void SetIconList(TCustomImageList* value);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    unsigned CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(unsigned value);
    bool Enabled = true;
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    TIcon& Icon() { return icon_; }
    void SetIcon(const TIcon& value);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool value);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int value);
    TPopupMenu* PopupMenu = nullptr;
    bool LeftPopup = false;
    bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
    void SetWantEnterExitEvents(bool value);
    bool MinimizeToTray = false;
    // Shows a balloon above the visible icon once (title up to 63, text up to 255
    // characters); NIIF_INFO, NIIF_WARNING or NIIF_ERROR. False when the shell refused.
    bool ShowBalloonHint(const std::string& title, const std::string& text,
                         DWORD iconFlags = NIIF_INFO);
    TNotifyStyle NotifyStyle() const { return notifyStyle_; }
    void SetNotifyStyle(TNotifyStyle value);

    // Events.
    TNotifyEvent OnClick, OnDblClick;
    TCycleEvent OnCycle;
    TStartupEvent OnStartup;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter, OnMouseExit, OnMinimizeToTray;
    TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;

    virtual bool WantsDefaultIcon() { return true; }
    virtual bool AddTrayIcon();
    virtual bool DeleteTrayIcon();
    virtual bool ModifyTrayIcon();

    // The application's main form, shown or hidden with the taskbar entry.
    void ShowMainWindow();
    void HideMainWindow();

    // What the shell is given; read by tests.
    const NOTIFYICONDATAA& NotifyData() const { return notifyData_; }
    UINT IconId() const { return notifyData_.uID; }
    // A notification from the shell, as the shared window hands it over.
    void HandleNotification(UINT notification);

    void Loaded() override;
    void Notification(TComponent* component) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle(int nextIndex);
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseEnter();
    virtual void DoMouseExit();
    virtual void SendToTray();

private:
    bool PrepareNotifyData();
    bool ShellCall(DWORD message);
    void PopupAtCursor();
    void ClickDefaultMenuItem();
    void SingleClickTick(TObject*);
    void IconCycleTick(TObject*);
    void LeaveCheckTick(TObject*);
    // Minimise to tray and the window hooks.
    void HideApplicationWindow();
    bool AppWindowHook(TMessage& message);
    void HookOwnerWindow();
    void UnhookOwnerWindow();
    void OwnerWindowProc(TMessage& message);
    bool TryMinimizeToTray(TMessage& message);
    void StartupQuestion();
    HWND OwnerWindow() const;

    // Like the hooks and timers below, it undoes itself, so a construction that fails
    // half-way leaves nothing behind.
    std::unique_ptr<TrayIconEntry> trayEntry_;
    TIcon icon_;
    bool iconVisible_ = false;
    std::string hint_;
    bool showHint_ = true;
    bool buttonDown_ = false;
    bool clickDue_ = false;
    std::unique_ptr<TMessageTimer> iconCycleTimer_, singleClickTimer_, leaveCheckTimer_;
    POINT lastMovePos_{0, 0};
    bool pointerOutside_ = true;
    bool wantEnterExitEvents_ = false;
    TNotifyStyle notifyStyle_ = TNotifyStyle::nsClassic;
    bool doubleClicked_ = false;
    int iconIndex_ = 0;
    bool designPreview_ = false;
    bool previewUpdating_ = false;
    bool startupCheckPending_ = true;
    TCustomImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    unsigned cycleInterval_ = 0;
    std::unique_ptr<ApplicationHook> appWindowHook_;
    // The owner's window procedure, taken over; it keeps the saved one to pass messages on.
    std::unique_ptr<WindowProcHook> ownerProcThunk_;
    std::string pendingPopupMenu_, pendingIconList_;
    NOTIFYICONDATAA notifyData_{};
};
