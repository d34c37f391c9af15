#include "FlatCheckBox.h"

#include <windowsx.h>

#include <memory>

#include "Exceptions.h"
#include "Form.h"
#include "KeyEvents.h"
#include "Platform.h"
#include "Reader.h"
#include "Screen.h"

namespace {

// Shared by all check boxes: at most one box is polled at a time.
TFlatCheckBox* hoveredCheckBox = nullptr;
std::unique_ptr<TTimer> checkBoxPollTimer;
std::int32_t flatCheckBoxCount = 0;

constexpr int kSquareSize = 11;
constexpr int kSquareTop = 3;
constexpr int kCaptionIndent = 16;

// The check mark: six one-pixel lines, each without its end point; the first three
// are the short stroke, the last three the long one.
constexpr struct {
    int x1, y1, x2, y2;
} kCheckStrokes[] = {
    {2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9}, {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7},
};

}  // namespace

TFlatCheckBox* TFlatCheckBox::HoveredCheckBox() { return hoveredCheckBox; }
TTimer* TFlatCheckBox::CheckBoxPollTimer() { return checkBoxPollTimer.get(); }
std::int32_t TFlatCheckBox::FlatCheckBoxCount() { return flatCheckBoxCount; }

TFlatCheckBox::TFlatCheckBox(TComponent* owner)
    : TCustomControl(owner),
      AdvColorProperties(DefaultAdvColorFocused, DefaultAdvColorDown, DefaultAdvColorBorder),
      hoverPoll_(*this, hoveredCheckBox, checkBoxPollTimer, flatCheckBoxCount) {
    SetParentColor(true);
    SetParentFont(true);
    colorFocused_ = DefaultColorFocused;
    colorDown_ = DefaultColorDown;
    colorCheck_ = DefaultColorCheck;
    colorBorder_ = DefaultColorBorder;
    layout_ = TCheckBoxLayout::checkboxLeft;
    SetTabStop(true);
    checked_ = false;
    SetEnabled(true);
    SetVisible(true);
    SetBounds(0, 0, 121, 17);
    // Every change of Checked raises OnClick from the writer; the framework's own click
    // on a button release would raise a second one with the old state first.
    ControlStyle &= ~csClickEvents;
}

TFlatCheckBox::~TFlatCheckBox() { hoverPoll_.Stop(); }

void TFlatCheckBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.windowClass = "TFlatCheckBox";
}

// ---- Property writers

void TFlatCheckBox::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout value) {
    layout_ = value;
    Invalidate();
}

void TFlatCheckBox::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    Click();
    PaintSquare();
    if (ComponentState() & csDesigning)
        if (TCustomForm* form = ParentForm(); form && form->Designer()) form->Designer()->Modified();
}

void TFlatCheckBox::SetColors(TFlatCheckBoxColor slot, TColor value) {
    switch (slot) {
        case TFlatCheckBoxColor::Focused: colorFocused_ = value; break;
        case TFlatCheckBoxColor::Down: colorDown_ = value; break;
        case TFlatCheckBoxColor::Check: colorCheck_ = value; break;
        case TFlatCheckBoxColor::Border: colorBorder_ = value; break;
    }
    Invalidate();
}

void TFlatCheckBox::ApplyAdvColors() {
    amounts_.Derive(Color(), colorFocused_, &colorDown_, colorBorder_);
}

// ---- Painting

RECT TFlatCheckBox::SquareRect() const {
    const RECT client = ClientRect();
    if (layout_ == TCheckBoxLayout::checkboxRight)
        return {client.right - 1 - kSquareSize, client.top + kSquareTop, client.right - 1,
                client.top + kSquareTop + kSquareSize};
    return {client.left + 1, client.top + kSquareTop, client.left + 1 + kSquareSize,
            client.top + kSquareTop + kSquareSize};
}

void TFlatCheckBox::Paint() {
    if (transparent_) PaintParentBackground(*this, Canvas());
    PaintSquare();
    PaintCaption();
}

// Hover, press, focus and check changes show at once, without a paint cycle, so the
// square is drawn straight into the window when no paint is under way.
void TFlatCheckBox::PaintSquare() {
    TCanvas& canvas = Canvas();
    if (canvas.Handle()) {
        DrawSquare(canvas);
        return;
    }
    if (!HandleAllocated()) return;
    ClientDC dc(Handle());
    if (!dc.Get()) return;
    CanvasLease lease(canvas, dc.Get(), Font());
    DrawSquare(canvas);
}

void TFlatCheckBox::DrawSquare(TCanvas& canvas) {
    const RECT square = SquareRect();
    canvas.Pen.SetStyle(PS_SOLID);
    canvas.Pen.SetWidth(1);
    TColor fill = Color();
    if (hasFocus_ || hovered_) fill = pressed_ ? colorDown_ : colorFocused_;
    canvas.Brush.SetColor(fill);
    canvas.FillRect(square);
    if (checked_) {
        canvas.Pen.SetColor(Enabled() ? colorCheck_ : clBtnShadow);
        for (const auto& stroke : kCheckStrokes) {
            canvas.MoveTo(square.left + stroke.x1, square.top + stroke.y1);
            canvas.LineTo(square.left + stroke.x2, square.top + stroke.y2);
        }
    }
    canvas.Brush.SetColor(colorBorder_);
    canvas.FrameRect(square);
}

void TFlatCheckBox::PaintCaption() {
    TCanvas& canvas = Canvas();
    const RECT client = ClientRect();
    RECT text;
    UINT format;
    if (layout_ == TCheckBoxLayout::checkboxRight) {
        text = {client.left + 1, client.top + 1, client.right - kCaptionIndent, client.bottom - 1};
        format = DT_WORDBREAK | DT_RIGHT;
    } else {
        text = {client.left + kCaptionIndent, client.top + 1, client.right - 1, client.bottom - 1};
        format = DT_WORDBREAK | DT_LEFT;
    }
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Font.Assign(Font());
    const std::string caption = Caption();
    auto draw = [&] {
        canvas.Prepare();  // selects the font and sets its colour
        platform::DrawTextA(canvas.Handle(), caption.c_str(), int(caption.size()), &text, format);
    };
    if (Enabled()) {
        draw();
        return;
    }
    // Engraved: a highlight copy one pixel down and right, the shadow over it.
    platform::OffsetRect(&text, 1, 1);
    canvas.Font.SetColor(clBtnHighlight);
    draw();
    platform::OffsetRect(&text, -1, -1);
    canvas.Font.SetColor(clBtnShadow);
    draw();
}

// ---- Hover tracking

void TFlatCheckBox::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    hoverPoll_.MouseMovedTo(ClientToScreen({x, y}));
}

void TFlatCheckBox::HoverBegin() {
    if (!Enabled() || hovered_) return;
    hovered_ = true;
    PaintSquare();
}

void TFlatCheckBox::HoverEnd() {
    // While the button is held the press may still end on the box: keep polling.
    if (!Enabled() || !hovered_ || pressed_) return;
    hovered_ = false;
    hoverPoll_.Stop();
    PaintSquare();
}

// ---- Mouse buttons

void TFlatCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    SetFocus();
    pressed_ = true;
    // A press lights the box as a hover would: a click coming from another program finds
    // no hover, as no window of ours was active while the pointer got here.
    hoverPoll_.TakeOver();
    PaintSquare();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TFlatCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    // Only the release of a press still going on toggles; a press whose capture was lost
    // has ended already.
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && hovered_) SetChecked(!checked_);
    PaintSquare();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TFlatCheckBox::MouseCaptureLost() {
    pressed_ = false;
    PaintSquare();
    hoverPoll_.Tick();  // the pointer may have left already
}

// ---- Focus

void TFlatCheckBox::DoEnter() {
    TCustomControl::DoEnter();
    hasFocus_ = true;
    PaintSquare();
}

void TFlatCheckBox::DoExit() {
    TCustomControl::DoExit();
    hasFocus_ = false;
    PaintSquare();
}

void TFlatCheckBox::FocusGained(TMessage& message) {
    TCustomControl::WndProc(message);
    if (!Enabled()) return;
    hasFocus_ = true;
    PaintSquare();
}

void TFlatCheckBox::FocusLost(TMessage& message) {
    TCustomControl::WndProc(message);
    if (!Enabled()) return;
    hovered_ = false;
    hasFocus_ = false;
    hoverPoll_.Stop();
    PaintSquare();
}

// ---- Notifications

void TFlatCheckBox::DialogChar(TMessage& message) {
    const unsigned c = unsigned(message.WParam);
    if (IsAccel(c, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(!checked_);
        message.Result = 1;
    } else if (c == ' ' && hasFocus_) {
        SetChecked(!checked_);
    } else {
        TCustomControl::WndProc(message);
    }
}

void TFlatCheckBox::EnabledChanged(TMessage& message) {
    TCustomControl::WndProc(message);
    if (!Enabled()) {
        hovered_ = false;
        pressed_ = false;
        hoverPoll_.Stop();
    }
    Invalidate();
}

void TFlatCheckBox::DesignHitTest(TMessage& message) {
    const RECT square = SquareRect();
    const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    message.Result = platform::PtInRect(&square, at) ? 1 : 0;
}

void TFlatCheckBox::KeyMessage(TMessage& message, const TKeyEvent& event) {
    if (FireKeyEvent(this, message, event)) TCustomControl::WndProc(message);
}

void TFlatCheckBox::CharMessage(TMessage& message) {
    if (FireKeyPressEvent(this, message, OnKeyPress)) TCustomControl::WndProc(message);
}

void TFlatCheckBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED: return EnabledChanged(message);
        case CM_TEXTCHANGED:
            DefaultHandler(message);
            Invalidate();
            return;
        case CM_DIALOGCHAR: return DialogChar(message);
        case WM_SETFOCUS: return FocusGained(message);
        case WM_KILLFOCUS: return FocusLost(message);
        case CM_SYSCOLORCHANGE: return FollowColorChange();  // not passed on
        case CM_PARENTCOLORCHANGED:
            TCustomControl::WndProc(message);
            return FollowColorChange();
        case CM_DESIGNHITTEST: return DesignHitTest(message);
        case WM_SIZE:
        case WM_MOVE:
            TCustomControl::WndProc(message);
            if (transparent_) Invalidate();
            return;
        // Answers like a system check box, for automation from other processes.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return KeyMessage(message, OnKeyDown);
        case WM_KEYUP:
        case WM_SYSKEYUP: return KeyMessage(message, OnKeyUp);
        case WM_CHAR: return CharMessage(message);
        case BM_GETCHECK: message.Result = checked_ ? BST_CHECKED : BST_UNCHECKED; return;
        case BM_SETCHECK:
            SetChecked(message.WParam != BST_UNCHECKED);
            message.Result = 0;
            return;
        default: TCustomControl::WndProc(message);
    }
}

bool TFlatCheckBox::SetProperty(const std::string& name, const TPropValue& value,
                                TReader& reader) {
    if (name == "Transparent") SetTransparent(value.AsBoolean());
    else if (name == "Checked") SetChecked(value.AsBoolean());
    else if (name == "ColorFocused") SetColorFocused(value.AsColor());
    else if (name == "ColorDown") SetColorDown(value.AsColor());
    else if (name == "ColorCheck") SetColorCheck(value.AsColor());
    else if (name == "ColorBorder") SetColorBorder(value.AsColor());
    else if (auto slot = AdvColorSlotNamed(name)) SetAdvColors(*slot, ReadAdvColorAmount(value));
    else if (name == "UseAdvColors") SetUseAdvColors(value.AsBoolean());
    else if (name == "OnKeyDown") OnKeyDown = reader.Method<TKeyEvent>(value);
    else if (name == "OnKeyUp") OnKeyUp = reader.Method<TKeyEvent>(value);
    else if (name == "OnKeyPress") OnKeyPress = reader.Method<TKeyPressEvent>(value);
    else if (name == "Layout")
        SetLayout(TCheckBoxLayout(value.AsEnum({"checkboxLeft", "checkboxRight"})));
    else return TCustomControl::SetProperty(name, value, reader);
    return true;
}
