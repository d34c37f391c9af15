#include "FlatTitlebar.h"

#include "Exceptions.h"
#include "Form.h"
#include "Reader.h"

TFlatTitlebar::TFlatTitlebar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 100, 19);
    ControlStyle |= csAcceptsControls | csOpaque;
    SetTitlebarColor(clBlack);
    SetActiveTextColor(clWhite);
    SetInactiveTextColor(0x829AA2);
    if (ComponentState() & csDesigning) active_ = true;
}

void TFlatTitlebar::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.windowClass = "TFlatTitlebar";
}

void TFlatTitlebar::SetParent(TWinControl* parent) {
    if (parent && !dynamic_cast<TCustomForm*>(parent))
        throw EInvalidOperation("TFlatTitlebar can only be placed on a descndant of a TCustomForm");
    form_ = parent;
    TCustomControl::SetParent(parent);
}

void TFlatTitlebar::Loaded() {
    TCustomControl::Loaded();
    if ((ComponentState() & csDesigning) || !form_) return;
    formHook_ = std::make_unique<WindowProcHook>(
        form_->Handle(), [this](TMessage& message) { HookFormWindow(message); });
}

void TFlatTitlebar::HookFormWindow(TMessage& message) {
    if (message.Msg == WM_ACTIVATE) {
        switch (LOWORD(message.WParam)) {
            case WA_INACTIVE: SetActive(false); break;
            case WA_ACTIVE:
            case WA_CLICKACTIVE: SetActive(true); break;
            default: break;
        }
    }
    formHook_->PassOn(message);
}

void TFlatTitlebar::SetActive(bool value) {
    active_ = value;
    Invalidate();
    const TNotifyEvent& event = value ? OnActivate : OnDeactivate;
    if (event) event(this);
}

void TFlatTitlebar::SetActiveTextColor(TColor value) {
    if (value == activeTextColor_) return;
    activeTextColor_ = value;
    Invalidate();
}

void TFlatTitlebar::SetInactiveTextColor(TColor value) {
    if (value == inactiveTextColor_) return;
    inactiveTextColor_ = value;
    Invalidate();
}

void TFlatTitlebar::SetTitlebarColor(TColor value) {
    if (value == titlebarColor_) return;
    titlebarColor_ = value;
    Invalidate();
}

void TFlatTitlebar::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    canvas.Font.SetColor(active_ ? activeTextColor_ : inactiveTextColor_);
    std::string caption = Caption();
    int textWidth = canvas.TextWidth(caption);
    int textHeight = canvas.TextHeight(caption);
    canvas.Brush.SetColor(titlebarColor_);
    canvas.FillRect(ClientRect());
    canvas.TextOut(Width() / 2 - textWidth / 2, Height() / 2 - textHeight / 2, caption);
}

void TFlatTitlebar::MouseDown(TMouseButton button, TShiftState, int x, int y) {
    if (button == TMouseButton::mbLeft && !dragging_) dragging_ = true;
    grabX_ = x;
    grabY_ = y;
}

void TFlatTitlebar::MouseMove(TShiftState, int x, int y) {
    if (!dragging_) return;
    auto* form = dynamic_cast<TControl*>(Owner());
    if (!form) return;
    form->SetLeft(form->Left() + x - grabX_);
    form->SetTop(form->Top() + y - grabY_);
}

void TFlatTitlebar::MouseUp(TMouseButton, TShiftState, int, int) { dragging_ = false; }

// Without the capture the release may never come here (Alt+Tab, say): the drag ends now,
// or the form would follow a pointer that merely passes over the bar later.
void TFlatTitlebar::MouseCaptureLost() { dragging_ = false; }

void TFlatTitlebar::WndProc(TMessage& message) {
    if (message.Msg == CM_FONTCHANGED || message.Msg == CM_TEXTCHANGED) {
        Invalidate();
        return;
    }
    TCustomControl::WndProc(message);
}

bool TFlatTitlebar::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "ActiveTextColor") SetActiveTextColor(value.AsColor());
    else if (name == "InactiveTextColor") SetInactiveTextColor(value.AsColor());
    else if (name == "TitlebarColor") SetTitlebarColor(value.AsColor());
    else if (name == "OnActivate") OnActivate = reader.NotifyMethod(value);
    else if (name == "OnDeactivate") OnDeactivate = reader.NotifyMethod(value);
    else if (name == "Align") return value.AsEnum({"alNone"}) == 0;  // placed by position only
    else return TCustomControl::SetProperty(name, value, reader);
    return true;
}
