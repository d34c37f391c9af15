// In the framework's core circle: a control lives in a window control (WinControl), finds
// its form (Form) and tells the application (Application) when it goes.
#include "Control.h"

#include <windowsx.h>

#include "Application.h"
#include "Form.h"
#include "Menus.h"
#include "Reader.h"
#include "ShiftState.h"
#include "WinControl.h"

POINT MessagePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (Application) Application->ControlDestroyed(this);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    // The parent paints a windowless control, at its old place and at its new one. A window
    // is moved by the system, which repaints what the move uncovers: only a new size changes
    // what the window itself shows (repainting a dragged form on every step would flicker).
    const bool windowless = !HasWindow();
    const bool resized = width != width_ || height != height_;
    if (windowless) Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (windowless || resized) Invalidate();
}

POINT TControl::ClientOrigin() const {
    POINT origin = parent_ ? parent_->ClientOrigin() : POINT{0, 0};
    return {origin.x + left_, origin.y + top_};
}

POINT TControl::ClientToScreen(POINT point) const {
    POINT origin = ClientOrigin();
    return {point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const {
    POINT origin = ClientOrigin();
    return {point.x - origin.x, point.y - origin.y};
}

void TControl::PlaceIn(TComponent& parent, bool) {
    if (auto* windowParent = dynamic_cast<TWinControl*>(&parent))
        SetParent(windowParent);
    else
        parent.ReadChild(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    parent_ = parent;
    if (parent_) {
        ParentFontChanged();
        ParentColorChanged();
    }
    Invalidate();
}

TCustomForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control->parent_) control = control->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    Invalidate();
    visible_ = value;
    Invalidate();
    Perform(CM_VISIBLECHANGED, value);
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

bool TControl::Showing() const {
    for (const TControl* control = this; control; control = control->parent_)
        if (!control->visible_) return false;
    return true;
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetName(const std::string& name) {
    // A new control shows its name until it gets a caption of its own; a control read
    // from a description has its caption there.
    bool followName = (ControlStyle & csSetCaption) && !(ComponentState() & csLoading) &&
                      Text() == Name();
    TComponent::SetName(name);
    if (followName) SetText(name);
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (value) ParentFontChanged();
}

void TControl::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (value) ParentColorChanged();
}

void TControl::SetCursor(TCursor value) {
    if (value == cursor_) return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    font_.Assign(parent_->Font());
    parentFont_ = true;  // the assignment above cleared it
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    Perform(CM_PARENTCOLORCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN: HandleMouseDown(message, TMouseButton::mbLeft, 0); return;
        case WM_RBUTTONDOWN: HandleMouseDown(message, TMouseButton::mbRight, 0); return;
        case WM_MBUTTONDOWN: HandleMouseDown(message, TMouseButton::mbMiddle, 0); return;
        case WM_LBUTTONDBLCLK:
            if (ControlStyle & csClickEvents) DblClick();
            HandleMouseDown(message, TMouseButton::mbLeft, ssDouble);
            return;
        case WM_LBUTTONUP: HandleMouseUp(message, TMouseButton::mbLeft); return;
        case WM_RBUTTONUP: HandleMouseUp(message, TMouseButton::mbRight); return;
        case WM_MBUTTONUP: HandleMouseUp(message, TMouseButton::mbMiddle); return;
        case WM_MOUSEMOVE: {
            POINT at = MessagePoint(message.LParam);
            MouseMove(MouseShiftState(message.WParam), at.x, at.y);
            DefaultHandler(message);
            return;
        }
        case CM_PARENTFONTCHANGED: HandleParentFontChanged(message); return;
        case CM_PARENTCOLORCHANGED: HandleParentColorChanged(message); return;
        default: DefaultHandler(message); return;
    }
}

void TControl::HandleMouseDown(TMessage& message, TMouseButton button, TShiftState extra) {
    if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
    if (button == TMouseButton::mbLeft) {
        ControlState |= csLButtonDown;
        if (ControlStyle & csClickEvents) ControlState |= csClicked;
    }
    DefaultHandler(message);
    POINT at = MessagePoint(message.LParam);
    MouseDown(button, TShiftState(MouseShiftState(message.WParam) | extra), at.x, at.y);
}

void TControl::HandleMouseUp(TMessage& message, TMouseButton button) {
    // The press is over before the capture goes, so letting it go here is no lost press.
    bool clicked = button == TMouseButton::mbLeft && (ControlState & csClicked);
    if (button == TMouseButton::mbLeft) ControlState &= ~(csLButtonDown | csClicked);
    DefaultHandler(message);
    if (ControlStyle & csCaptureMouse) SetMouseCapture(false);
    POINT at = MessagePoint(message.LParam);
    if (clicked) {
        RECT client = ClientRect();
        if (PtInRect(&client, at)) Click();
    }
    MouseUp(button, MouseShiftState(message.WParam), at.x, at.y);
}

void TControl::HandleParentFontChanged(TMessage&) { ParentFontChanged(); }

void TControl::Notification(TComponent* component) {
    TComponent::Notification(component);
    if (component == PopupMenu) PopupMenu = nullptr;
}

void TControl::HandleParentColorChanged(TMessage&) {
    if (parentColor_ && parent_) {
        SetColor(parent_->Color());
        parentColor_ = true;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetMouseCapture(bool value) {
    if (parent_) parent_->SetCaptureControl(value ? this : nullptr);
}

void TControl::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateArea(BoundsRect(), !(ControlStyle & csOpaque));
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (!pendingPopupMenu_.empty()) {
        TComponent* root = Owner();
        PopupMenu = root ? dynamic_cast<TPopupMenu*>(root->FindComponent(pendingPopupMenu_)) : nullptr;
        pendingPopupMenu_.clear();
    }
    if (parentFont_) ParentFontChanged();
    if (parentColor_ && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

namespace {
// Font.Name, Font.Height and the rest.
bool SetFontProperty(TFont& font, const std::string& name, const TPropValue& value) {
    if (name == "Font.Name") font.SetName(value.AsString());
    else if (name == "Font.Height") font.SetHeight(value.AsInteger());
    else if (name == "Font.Color") font.SetColor(value.AsColor());
    else if (name == "Font.Charset")
        font.SetCharset(value.kind == TPropValue::Kind::Integer
                            ? value.AsInteger()
                            : value.AsEnum({"ANSI_CHARSET", "DEFAULT_CHARSET"}));
    else if (name == "Font.Style") {
        unsigned style = 0;
        for (const std::string& item : value.items) {
            if (item == "fsBold") style |= fsBold;
            if (item == "fsItalic") style |= fsItalic;
            if (item == "fsUnderline") style |= fsUnderline;
            if (item == "fsStrikeOut") style |= fsStrikeOut;
        }
        font.SetStyle(style);
    } else
        return false;
    return true;
}
}  // namespace

bool TControl::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Left") SetLeft(value.AsInteger());
    else if (name == "Top") SetTop(value.AsInteger());
    else if (name == "Width") SetWidth(value.AsInteger());
    else if (name == "Height") SetHeight(value.AsInteger());
    else if (name == "Visible") SetVisible(value.AsBoolean());
    else if (name == "Enabled") SetEnabled(value.AsBoolean());
    else if (name == "Caption" || name == "Text") SetText(value.AsString());
    else if (name == "Color") SetColor(value.AsColor());
    else if (name == "ParentColor") SetParentColor(value.AsBoolean());
    else if (name == "ParentFont") SetParentFont(value.AsBoolean());
    else if (name == "Cursor") SetCursor(value.AsCursor());
    else if (name == "OnClick") OnClick = reader.NotifyMethod(value);
    else if (name == "OnDblClick") OnDblClick = reader.NotifyMethod(value);
    else if (name == "OnMouseDown") OnMouseDown = reader.MouseMethod(value);
    else if (name == "OnMouseUp") OnMouseUp = reader.MouseMethod(value);
    else if (name == "OnMouseMove") OnMouseMove = reader.MouseMoveMethod(value);
    else if (name == "Hint") Hint = value.AsString();
    else if (name == "ShowHint") ShowHint = value.AsBoolean();
    else if (name == "ParentShowHint") ParentShowHint = value.AsBoolean();
    else if (name == "HelpType") HelpType = value.AsEnum({"htContext", "htKeyword"});
    else if (name == "HelpKeyword") HelpKeyword = value.AsString();
    else if (name == "HelpContext") HelpContext = value.AsInteger();
    else if (name == "PopupMenu") pendingPopupMenu_ = value.AsIdentifier();
    else if (name.rfind("Font.", 0) == 0) return SetFontProperty(font_, name, value);
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
