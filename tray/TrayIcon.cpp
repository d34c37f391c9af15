#include "TrayIcon.h"

#include <algorithm>
#include <cstring>

#include "Application.h"
#include "Form.h"
#include "ImageList.h"
#include "Menus.h"
#include "Platform.h"
#include "Reader.h"
#include "ShiftState.h"
#include "TrayWindow.h"

// ---- construction and destruction

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), trayEntry_(std::make_unique<TrayIconEntry>(this)) {
    icon_.OnChange = [this] { ModifyTrayIcon(); };
    notifyData_ = {};
    notifyData_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    notifyData_.hWnd = TrayWindow()->Window();
    notifyData_.uID = trayEntry_->Id();
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = TrayCallbackMessage;
    iconCycleTimer_ = TMessageTimer::CreateWithHandler(1000, [this](TObject* s) { IconCycleTick(s); });
    singleClickTimer_ =
        TMessageTimer::CreateWithHandler(1000, [this](TObject* s) { SingleClickTick(s); });
    leaveCheckTimer_ = TMessageTimer::CreateWithHandler(20, [this](TObject* s) { LeaveCheckTick(s); });
    pointerOutside_ = true;
    SetDesignPreview(false);
    if (!(ComponentState() & csDesigning)) {
        if (Application)
            appWindowHook_ = std::make_unique<ApplicationHook>(
                *Application, [this](TMessage& m) { return AppWindowHook(m); });
        if (dynamic_cast<TWinControl*>(Owner())) HookOwnerWindow();
    }
}

TTrayIcon::~TTrayIcon() {
    try {
        SetIconVisible(false);
        SetDesignPreview(false);
        iconCycleTimer_.reset();
        singleClickTimer_.reset();
        leaveCheckTimer_.reset();
        icon_.OnChange = nullptr;
        icon_.SetHandle(nullptr);
    } catch (...) {
        // Whatever failed above, the hooks must come off and the window be released.
    }
    appWindowHook_.reset();
    UnhookOwnerWindow();
    // The table entry and the share of the shared window go with the members.
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    if (!pendingPopupMenu_.empty() && Owner()) {
        PopupMenu = dynamic_cast<TPopupMenu*>(Owner()->FindComponent(pendingPopupMenu_));
        pendingPopupMenu_.clear();
    }
    // Named in the description before the list itself may have been read.
    if (!pendingIconList_.empty() && Owner()) {
        SetIconList(dynamic_cast<TCustomImageList*>(Owner()->FindComponent(pendingIconList_)));
        pendingIconList_.clear();
    }
    StartupQuestion();
    ModifyTrayIcon();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExitEvents_);
    SetNotifyStyle(notifyStyle_);
}

void TTrayIcon::Notification(TComponent* component) {
    TComponent::Notification(component);
    if (component == iconList_) SetIconList(nullptr);
    if (component == PopupMenu) PopupMenu = nullptr;
}

// ---- the shell

bool TTrayIcon::PrepareNotifyData() {
    if ((ComponentState() & csDesigning) && !previewUpdating_ && !designPreview_) return false;
    notifyData_.hIcon = icon_.Handle();
    std::memset(notifyData_.szTip, 0, sizeof(notifyData_.szTip));
    if (!hint_.empty() && showHint_)
        std::memcpy(notifyData_.szTip, hint_.data(), std::min<size_t>(hint_.size(), 127));
    return true;
}

bool TTrayIcon::ShellCall(DWORD message) {
    if (!PrepareNotifyData()) return false;
    return platform::Shell_NotifyIconA(message, &notifyData_) != 0;
}

bool TTrayIcon::AddTrayIcon() {
    if (!previewUpdating_) iconVisible_ = true;
    if ((ComponentState() & csDesigning) && !previewUpdating_) return false;
    return ShellCall(NIM_ADD);
}

bool TTrayIcon::DeleteTrayIcon() {
    if (!previewUpdating_) iconVisible_ = false;
    if ((ComponentState() & csDesigning) && !previewUpdating_) return false;
    return ShellCall(NIM_DELETE);
}

bool TTrayIcon::ModifyTrayIcon() { return ShellCall(NIM_MODIFY); }

bool TTrayIcon::ShowBalloonHint(const std::string& title, const std::string& text,
                                DWORD iconFlags) {
    if (!iconVisible_) return false;
    auto copyCut = [](char* field, size_t size, const std::string& value) {
        std::memset(field, 0, size);
        std::memcpy(field, value.data(), std::min(value.size(), size - 1));
    };
    copyCut(notifyData_.szInfoTitle, sizeof(notifyData_.szInfoTitle), title);
    copyCut(notifyData_.szInfo, sizeof(notifyData_.szInfo), text);
    notifyData_.dwInfoFlags = iconFlags;
    notifyData_.uFlags |= NIF_INFO;
    bool shown = ShellCall(NIM_MODIFY);
    // Later changes of the tip or the icon must not show the balloon again.
    notifyData_.uFlags &= ~UINT(NIF_INFO);
    copyCut(notifyData_.szInfoTitle, sizeof(notifyData_.szInfoTitle), {});
    copyCut(notifyData_.szInfo, sizeof(notifyData_.szInfo), {});
    notifyData_.dwInfoFlags = 0;
    return shown;
}

void TTrayIcon::SetNotifyStyle(TNotifyStyle value) {
    notifyStyle_ = value;
    notifyData_.uVersion = value == TNotifyStyle::nsClassic ? 0 : 3;
    platform::Shell_NotifyIconA(NIM_SETVERSION, &notifyData_);
}

// ---- properties

void TTrayIcon::SetDesignPreview(bool value) {
    designPreview_ = value;
    previewUpdating_ = true;
    if (ComponentState() & csDesigning) {
        if (icon_.Empty() && WantsDefaultIcon())
            icon_.SetHandle(CopyIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(32517))));
        SetIconVisible(value);
    }
    previewUpdating_ = false;
}

void TTrayIcon::SetIconList(TCustomImageList* value) {
    iconList_ = value;
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool value) {
    cycleIcons_ = value;
    if (value) {
        SetIconIndex(0);
        iconCycleTimer_->SetInterval(cycleInterval_);
        iconCycleTimer_->Start();
    } else {
        iconCycleTimer_->Stop(true);
    }
}

void TTrayIcon::SetCycleInterval(unsigned value) {
    cycleInterval_ = value;
    SetCycleIcons(cycleIcons_);
}

void TTrayIcon::SetHint(const std::string& value) {
    hint_ = value;
    ModifyTrayIcon();
}

void TTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    ModifyTrayIcon();
}

void TTrayIcon::SetIcon(const TIcon& value) {
    auto notify = std::move(icon_.OnChange);
    icon_.OnChange = nullptr;
    icon_.Assign(value);
    icon_.OnChange = std::move(notify);
    ModifyTrayIcon();
}

void TTrayIcon::SetIconVisible(bool value) {
    if (value)
        AddTrayIcon();
    else
        DeleteTrayIcon();
}

void TTrayIcon::SetIconIndex(int value) {
    if (iconList_) {
        int count = iconList_->Count();
        iconIndex_ = value >= count ? count - 1 : value;
        iconList_->GetIcon(iconIndex_, icon_);
    } else {
        iconIndex_ = 0;
    }
    ModifyTrayIcon();
}

void TTrayIcon::SetWantEnterExitEvents(bool value) {
    wantEnterExitEvents_ = value;
    leaveCheckTimer_->SetEnabled(value);
}

// ---- notifications

void TTrayIcon::HandleNotification(UINT notification) {
    auto at = [] {
        POINT pos{};
        platform::GetCursorPos(&pos);
        return pos;
    };
    bool classic = notifyStyle_ == TNotifyStyle::nsClassic;
    // The shell's process posts these, so this thread's key state is not in step with them.
    switch (notification) {
        case WM_MOUSEMOVE: {
            if (!Enabled) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            if (wantEnterExitEvents_ && pointerOutside_) {
                DoMouseEnter();
                pointerOutside_ = false;
            }
            DoMouseMove(keys, pos.x, pos.y);
            lastMovePos_ = pos;
            return;
        }
        case WM_LBUTTONDOWN: {
            if (!Enabled) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            if (OnDblClick) {
                singleClickTimer_->SetInterval(platform::GetDoubleClickTime());
                singleClickTimer_->Start();
            }
            DoMouseDown(TMouseButton::mbLeft, TShiftState(keys | ssLeft), pos.x, pos.y);
            buttonDown_ = true;
            if (LeftPopup) PopupAtCursor();
            return;
        }
        case WM_LBUTTONUP: {
            if (!Enabled) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            if (buttonDown_) clickDue_ = true;
            if (buttonDown_ && !singleClickTimer_->Enabled()) {
                buttonDown_ = false;
                clickDue_ = false;
                DoClick();
            }
            buttonDown_ = false;
            DoMouseUp(TMouseButton::mbLeft, TShiftState(keys | ssLeft), pos.x, pos.y);
            return;
        }
        case WM_LBUTTONDBLCLK:
            if (!Enabled) return;
            clickDue_ = false;
            doubleClicked_ = true;
            DoDblClick();
            ClickDefaultMenuItem();
            return;
        case WM_RBUTTONDOWN: {
            if (!Enabled) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            DoMouseDown(TMouseButton::mbRight, TShiftState(keys | ssRight), pos.x, pos.y);
            PopupAtCursor();
            return;
        }
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
        case NIN_SELECT:
        case NIN_KEYSELECT: {
            bool classicUp = notification == WM_RBUTTONUP;
            if (!Enabled || classic != classicUp) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            DoMouseUp(TMouseButton::mbRight, TShiftState(keys | ssRight), pos.x, pos.y);
            return;
        }
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: {
            if (!Enabled) return;
            TShiftState keys = KeyboardShiftState(ShiftStateAt::Now);
            POINT pos = at();
            TShiftState shift = TShiftState(keys | ssMiddle);
            if (notification == WM_MBUTTONDOWN)
                DoMouseDown(TMouseButton::mbMiddle, shift, pos.x, pos.y);
            else
                DoMouseUp(TMouseButton::mbMiddle, shift, pos.x, pos.y);
            return;
        }
        case NIN_BALLOONSHOW:
            if (OnBalloonHintShow) OnBalloonHintShow(this);
            return;
        case NIN_BALLOONHIDE:
            if (OnBalloonHintHide) OnBalloonHintHide(this);
            return;
        case NIN_BALLOONTIMEOUT:
            if (OnBalloonHintTimeout) OnBalloonHintTimeout(this);
            return;
        case NIN_BALLOONUSERCLICK:
            if (OnBalloonHintClick) OnBalloonHintClick(this);
            return;
        default: return;
    }
}

void TTrayIcon::SingleClickTick(TObject*) {
    singleClickTimer_->Stop(true);
    if (!doubleClicked_ && clickDue_) {
        clickDue_ = false;
        DoClick();
    }
    doubleClicked_ = false;
}

void TTrayIcon::IconCycleTick(TObject*) {
    if (!iconList_) return;
    iconList_->GetIcon(iconIndex_, icon_);
    int next = iconIndex_ < iconList_->Count() - 1 ? iconIndex_ + 1 : 0;
    DoCycle(next);
    SetIconIndex(next);
}

void TTrayIcon::LeaveCheckTick(TObject*) {
    if (pointerOutside_) return;
    POINT pos{};
    platform::GetCursorPos(&pos);
    if (pos.x != lastMovePos_.x || pos.y != lastMovePos_.y) {
        pointerOutside_ = true;
        DoMouseExit();
    }
}

void TTrayIcon::PopupAtCursor() {
    if (!PopupMenu || !PopupMenu->AutoPopup) return;
    POINT pos{};
    if (!platform::GetCursorPos(&pos)) return;
    platform::SetForegroundWindow(Application ? Application->Handle() : nullptr);
    if (Application) Application->ProcessMessages();
    PopupMenu->PopupComponent = this;
    PopupMenu->Popup(pos.x, pos.y);
    if (HWND owner = OwnerWindow()) platform::PostMessageA(owner, WM_NULL, 0, 0);
}

void TTrayIcon::ClickDefaultMenuItem() {
    if (!PopupMenu || !PopupMenu->AutoPopup || LeftPopup) return;
    TMenuItem* chosen = nullptr;
    TMenuItem& items = PopupMenu->Items();
    for (int i = items.Count() - 1; i >= 0; --i)
        if (items.Items(i)->Default()) chosen = items.Items(i);
    if (chosen) chosen->Click();
}

// ---- events

void TTrayIcon::DoClick() {
    if (OnClick) OnClick(this);
}
void TTrayIcon::DoDblClick() {
    if (OnDblClick) OnDblClick(this);
}
void TTrayIcon::DoCycle(int nextIndex) {
    if (OnCycle) OnCycle(this, nextIndex);
}
void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TTrayIcon::DoMouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}
void TTrayIcon::DoMouseExit() {
    if (OnMouseExit) OnMouseExit(this);
}

// ---- properties from the description

bool TTrayIcon::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "DesignPreview") SetDesignPreview(value.AsBoolean());
    else if (name == "CycleIcons") SetCycleIcons(value.AsBoolean());
    else if (name == "CycleInterval") SetCycleInterval(unsigned(value.AsInteger()));
    else if (name == "Enabled") Enabled = value.AsBoolean();
    else if (name == "Hint") SetHint(value.AsString());
    else if (name == "ShowHint") SetShowHint(value.AsBoolean());
    else if (name == "Icon") icon_.LoadFromResourceName(value.AsIdentifier());
    else if (name == "IconVisible") SetIconVisible(value.AsBoolean());
    else if (name == "IconIndex") SetIconIndex(value.AsInteger());
    else if (name == "PopupMenu") pendingPopupMenu_ = value.AsIdentifier();
    else if (name == "IconList") pendingIconList_ = value.AsIdentifier();
    else if (name == "LeftPopup") LeftPopup = value.AsBoolean();
    else if (name == "WantEnterExitEvents") SetWantEnterExitEvents(value.AsBoolean());
    else if (name == "MinimizeToTray") MinimizeToTray = value.AsBoolean();
    else if (name == "OnClick") OnClick = reader.NotifyMethod(value);
    else if (name == "OnDblClick") OnDblClick = reader.NotifyMethod(value);
    else if (name == "OnMouseDown") OnMouseDown = reader.MouseMethod(value);
    else if (name == "OnMouseUp") OnMouseUp = reader.MouseMethod(value);
    else if (name == "OnMouseMove") OnMouseMove = reader.MouseMoveMethod(value);
    else if (name == "OnMouseEnter") OnMouseEnter = reader.NotifyMethod(value);
    else if (name == "OnMouseExit") OnMouseExit = reader.NotifyMethod(value);
    else if (name == "OnMinimizeToTray") OnMinimizeToTray = reader.NotifyMethod(value);
    else if (name == "OnCycle") OnCycle = reader.Method<TCycleEvent>(value);
    else if (name == "OnStartup") OnStartup = reader.Method<TStartupEvent>(value);
    else if (name == "OnBalloonHintShow") OnBalloonHintShow = reader.NotifyMethod(value);
    else if (name == "OnBalloonHintHide") OnBalloonHintHide = reader.NotifyMethod(value);
    else if (name == "OnBalloonHintTimeout") OnBalloonHintTimeout = reader.NotifyMethod(value);
    else if (name == "OnBalloonHintClick") OnBalloonHintClick = reader.NotifyMethod(value);
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
