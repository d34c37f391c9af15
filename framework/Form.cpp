// In the framework's core circle: a form is a window control (WinControl) owned by the
// application's window (Application), whose end it brings about when it is the main one.
#include "Form.h"

#include <algorithm>

#include "Application.h"
#include "Reader.h"

TCustomForm::TCustomForm(TComponent* owner, std::string className)
    : TWinControl(owner), className_(std::move(className)) {
    SetColor(clBtnFace);
    SetVisible(false);
    ControlStyle &= ~csSetCaption;
}

TCustomForm::~TCustomForm() {
    // Children go while the form's window still exists.
    DestroyComponents();
}

void TCustomForm::BeforeDestruction() {
    // The handler may use anything of the derived form: none of it is destroyed yet.
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            TApplication::ShowCurrentException();
        }
    }
    TWinControl::BeforeDestruction();
}

void TCustomForm::ReadDescription(std::string_view description) {
    TReader reader(*this);
    reader.ReadRoot(description);
}

void TCustomForm::ReadDescriptionResource(const std::string& resourceName) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EReadError(FormatMessageText("Ressource %s nicht gefunden", resourceName));
    ReadDescription(std::string_view(static_cast<const char*>(data),
                                     SizeofResource(module, resource)));
}

void TCustomForm::DoCreate() {
    HandleNeeded();
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (...) {
        TApplication::ShowCurrentException();
    }
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.windowClass = className_;
    params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone: params.style |= WS_POPUP; break;
        case TFormBorderStyle::bsSizeable:
        case TFormBorderStyle::bsSizeToolWin: params.style |= WS_OVERLAPPEDWINDOW; break;
        default: params.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; break;
    }
    if (!Enabled()) params.style |= WS_DISABLED;
    params.parent = Application ? Application->Handle() : nullptr;
    ApplyClientSize();
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
}

void TCustomForm::ApplyClientSize() {
    if (clientWidth_ < 0 && clientHeight_ < 0) return;
    RECT frame{0, 0, std::max(clientWidth_, 0), std::max(clientHeight_, 0)};
    if (borderStyle_ != TFormBorderStyle::bsNone) {
        DWORD style = borderStyle_ == TFormBorderStyle::bsSizeable ? WS_OVERLAPPEDWINDOW
                                                                   : WS_CAPTION | WS_SYSMENU;
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    int width = clientWidth_ < 0 ? Width() : frame.right - frame.left;
    int height = clientHeight_ < 0 ? Height() : frame.bottom - frame.top;
    clientWidth_ = clientHeight_ = -1;
    SetBounds(Left(), Top(), width, height);
}

void TCustomForm::SetClientWidth(int value) {
    clientWidth_ = value;
    if (handle_ || !(ComponentState() & csLoading)) ApplyClientSize();
}

void TCustomForm::SetClientHeight(int value) {
    clientHeight_ = value;
    if (handle_ || !(ComponentState() & csLoading)) ApplyClientSize();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }

TWindowState TCustomForm::WindowState() const {
    if (handle_ && IsIconic(handle_)) return TWindowState::wsMinimized;
    if (handle_ && IsZoomed(handle_)) return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (!handle_ || value == WindowState()) return;
    if (!Visible()) return;
    ShowWindow(handle_, value == TWindowState::wsMinimized   ? SW_MINIMIZE
                        : value == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                             : SW_RESTORE);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    ApplyClientSize();
    if (!pendingActiveControl_.empty()) {
        SetActiveControl(dynamic_cast<TWinControl*>(FindComponent(pendingActiveControl_)));
        pendingActiveControl_.clear();
    }
}

void TCustomForm::CentreOnDesktop() {
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (position_ == TPosition::poScreenCenter) {
        left = top = 0;
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    SetBounds(left + (width - Width()) / 2, top + (height - Height()) / 2, Width(), Height());
}

void TCustomForm::Show() {
    SetVisible(true);
    if (handle_) {
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(handle_);
    }
}

void TCustomForm::SetVisible(bool value) {
    if (value && !shownBefore_) {
        shownBefore_ = true;
        if (position_ == TPosition::poDesktopCenter || position_ == TPosition::poScreenCenter)
            CentreOnDesktop();
    }
    TControl::SetVisible(value);
    if (!handle_) {
        if (!value) return;
        HandleNeeded();
    }
    ShowWindow(handle_, value ? SW_SHOWNORMAL : SW_HIDE);
}

void TCustomForm::Close() {
    bool isMain = Application && Application->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    switch (action) {
        case TCloseAction::caNone: return;
        case TCloseAction::caHide: Hide(); return;
        case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); return;
        case TCloseAction::caFree:
            // Forms live as long as the application; ending it frees them.
            if (isMain) Application->Terminate();
            else Hide();
            return;
    }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control && handle_ && GetActiveWindow() == handle_ && control->CanFocus())
        control->SetFocus();
}

void TCustomForm::FocusChanged(TWinControl* control) { activeControl_ = control; }

void TCustomForm::Notification(TComponent* component) {
    TWinControl::Notification(component);
    if (component == activeControl_) activeControl_ = nullptr;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> list;
    TabList(list);
    std::vector<TWinControl*> stops;
    for (TWinControl* control : list)
        if (control->TabStop() && control->CanFocus()) stops.push_back(control);
    if (stops.empty()) return;
    auto at = std::find(stops.begin(), stops.end(), current);
    size_t index;
    if (at == stops.end())
        index = forward ? 0 : stops.size() - 1;
    else if (forward)
        index = (size_t(at - stops.begin()) + 1) % stops.size();
    else
        index = (size_t(at - stops.begin()) + stops.size() - 1) % stops.size();
    stops[index]->SetFocus();
}

void TCustomForm::FocusFirstControl() {
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    SelectNext(nullptr, true);
}

void TCustomForm::HandleActivate(TMessage& message) {
    if (LOWORD(message.WParam) == WA_INACTIVE) return DefaultHandler(message);
    // Give the focus back to the control that had it rather than to the form itself.
    std::vector<TWinControl*> list;
    TabList(list);
    if (list.empty()) return DefaultHandler(message);
    FocusFirstControl();
    message.Result = 0;
}

namespace {
// Tells every control of the form, nested ones included.
void BroadcastToAll(TWinControl& parent, UINT msg) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* control = parent.Controls(i);
        control->Perform(msg);
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) BroadcastToAll(*windowed, msg);
    }
}
}  // namespace

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_CLOSE: Close(); return;
        case WM_ACTIVATE: return HandleActivate(message);
        case WM_SYSCOLORCHANGE:
            BroadcastToAll(*this, CM_SYSCOLORCHANGE);
            TWinControl::WndProc(message);
            return;
        default: TWinControl::WndProc(message);
    }
}

bool TCustomForm::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "BorderStyle")
        SetBorderStyle(TFormBorderStyle(value.AsEnum(
            {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})));
    else if (name == "Position")
        SetPosition(TPosition(value.AsEnum({"poDesigned", "poDefault", "poDefaultPosOnly",
                                            "poDefaultSizeOnly", "poScreenCenter",
                                            "poDesktopCenter", "poMainFormCenter",
                                            "poOwnerFormCenter"})));
    else if (name == "ClientWidth") SetClientWidth(value.AsInteger());
    else if (name == "ClientHeight") SetClientHeight(value.AsInteger());
    else if (name == "ActiveControl") pendingActiveControl_ = value.AsIdentifier();
    else if (name == "OnCreate") OnCreate = reader.NotifyMethod(value);
    else if (name == "OnDestroy") OnDestroy = reader.NotifyMethod(value);
    else if (name == "OnClose") OnClose = reader.Method<TCloseEvent>(value);
    else if (name == "FormStyle")
        formStyle_ = TFormStyle(value.AsEnum({"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}));
    else if (name == "Visible")
        value.AsBoolean();  // the program shows its forms itself, never the reader
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}
