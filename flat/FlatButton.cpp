#include "FlatButton.h"

#include <algorithm>

#include "Form.h"
#include "ImageList.h"
#include "PictureLoader.h"
#include "Platform.h"
#include "Reader.h"
#include "Screen.h"
#include "Timer.h"

namespace {

// One poll timer for all flat buttons, and the one button it is polling for.
TFlatButton* hoveredButton = nullptr;
std::unique_ptr<TTimer> buttonPollTimer;
std::int32_t flatButtonCount = 0;

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

bool Pressed(TFlatButtonState state) {
    return state == TFlatButtonState::bsDown || state == TFlatButtonState::bsExclusive;
}

// Which image of the glyph strip a state shows, for each number of images.
int GlyphCell(TFlatButtonState state, int numGlyphs) {
    const int wanted = static_cast<int>(state);  // up 0, disabled 1, down 2, exclusive 3
    switch (numGlyphs) {
        case 2: return state == TFlatButtonState::bsDisabled ? 1 : 0;
        case 3: return std::min(wanted, 2);
        case 4: return wanted;
        default: return 0;
    }
}

}  // namespace

TFlatButton* TFlatButton::HoveredButton() { return hoveredButton; }
TTimer* TFlatButton::ButtonPollTimer() { return buttonPollTimer.get(); }
std::int32_t TFlatButton::FlatButtonCount() { return flatButtonCount; }

TFlatButton::TFlatButton(TComponent* owner)
    : TCustomControl(owner),
      AdvColorProperties(DefaultAdvColorFocused, DefaultAdvColorDown, DefaultAdvColorBorder),
      hoverPoll_(*this, hoveredButton, buttonPollTimer, flatButtonCount) {
    SetBounds(0, 0, 25, 25);
    // No click-events flag: the button decides itself what a click is. Opaque: it
    // paints every pixel, so nothing is erased first.
    ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks;
    // The face is composed off screen already; a second buffer would only cost.
    doubleBuffered_ = false;
    glyph_ = std::make_unique<TBitmap>();
    numGlyphs_ = 1;
    SetParentFont(true);
    SetParentColor(true);
}

TFlatButton::~TFlatButton() {
    hoverPoll_.Stop();
    glyph_.reset();
}

void TFlatButton::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.windowClass = "TFlatButton";
}

void TFlatButton::Loaded() {
    TCustomControl::Loaded();
    Invalidate();
}

// ---- property writers

void TFlatButton::SetColors(TFlatButtonColor slot, TColor value) {
    switch (slot) {
        case TFlatButtonColor::Focused: colorFocused_ = value; break;
        case TFlatButtonColor::Down: colorDown_ = value; break;
        case TFlatButtonColor::Border: colorBorder_ = value; break;
        case TFlatButtonColor::HighLight: colorHighLight_ = value; break;
        case TFlatButtonColor::Shadow: colorShadow_ = value; break;
    }
    Invalidate();
}

void TFlatButton::SetAdvColors(TAdvColorSlot slot, TAdvColors value) {
    AdvColorProperties::SetAdvColors(slot, std::min<TAdvColors>(value, 100));
}

void TFlatButton::ApplyAdvColors() {
    amounts_.Derive(Color(), colorFocused_, &colorDown_, colorBorder_);
}

void TFlatButton::SetGlyph(TBitmap& value) {
    if (&value == glyph_.get()) return;
    const int width = value.Empty() ? 0 : value.Width();
    const int height = value.Empty() ? 0 : value.Height();
    glyph_->SetSize(width, height);
    if (!glyph_->Empty()) {
        platform::BitBlt(glyph_->Canvas().Handle(), 0, 0, width, height, value.Canvas().Handle(),
                         0, 0, SRCCOPY);
        // A strip of square images tells how many it holds.
        if (width % height == 0) {
            const int count = width / height;
            numGlyphs_ = TNumGlyphs(count > 4 ? 1 : count);
        }
    }
    Invalidate();
}

void TFlatButton::SetNumGlyphs(int value) {
    // Only 1 to 4 images have a place in the strip's order.
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = TNumGlyphs(value);
    Invalidate();
}

void TFlatButton::SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    Invalidate();
}

void TFlatButton::SetSpacing(std::int32_t value) {
    if (value == spacing_) return;
    spacing_ = value;
    Invalidate();
}

void TFlatButton::SetMargin(std::int32_t value) {
    if (value == margin_ || value < -1) return;
    margin_ = value;
    Invalidate();
}

void TFlatButton::SetDefault(bool value) {
    default_ = value;
    if (HandleAllocated()) {
        if (TCustomForm* form = ParentForm())
            form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    }
    Invalidate();
}

void TFlatButton::SetTransparentMode(TTransparentMode value) {
    transparentMode_ = value;
    Invalidate();
}

// ---- groups

void TFlatButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    // A down button of a group can only be raised by itself when all may be up.
    if (value == down_ || (down_ && !allowAllUp_)) return;
    down_ = value;
    if (value) {
        if (state_ == TFlatButtonState::bsUp) Invalidate();
        state_ = TFlatButtonState::bsExclusive;
        NotifyGroup();
    } else {
        state_ = TFlatButtonState::bsUp;
        Repaint();
    }
}

void TFlatButton::SetGroupIndex(std::int32_t value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    NotifyGroup();
}

void TFlatButton::SetAllowAllUp(bool value) {
    if (value == allowAllUp_) return;
    allowAllUp_ = value;
    NotifyGroup();
}

void TFlatButton::NotifyGroup() {
    if (groupIndex_ == 0 || !Parent()) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, WPARAM(groupIndex_),
                                     reinterpret_cast<LPARAM>(this));
}

void TFlatButton::HandleButtonPressed(TMessage& message) {
    if (message.WParam != WPARAM(groupIndex_)) return;
    auto* sender = reinterpret_cast<TFlatButton*>(message.LParam);
    if (!sender || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = TFlatButtonState::bsUp;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

// ---- clicks, mouse and hover

void TFlatButton::Click() {
    if (TCustomForm* form = ParentForm()) form->ModalResult = ModalResult;
    TCustomControl::Click();
}

bool TFlatButton::Inside(int x, int y) const {
    // The row just below the face still counts: a captured release is reported there.
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TFlatButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    if (!down_) {
        state_ = TFlatButtonState::bsDown;
        Invalidate();
    }
    dragging_ = true;
    // A press lights the button as a hover would: a click coming from another program
    // finds no hover, as no window of ours was active while the pointer got here.
    hoverPoll_.TakeOver();
    SetFocus();
}

void TFlatButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    hoverPoll_.MouseMovedTo(ClientToScreen({x, y}));
    if (!dragging_) return;
    TFlatButtonState now = down_ ? TFlatButtonState::bsExclusive : TFlatButtonState::bsUp;
    if (Inside(x, y)) now = down_ ? TFlatButtonState::bsExclusive : TFlatButtonState::bsDown;
    if (now != state_) {
        state_ = now;
        Invalidate();
    }
}

void TFlatButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    const bool inside = Inside(x, y);
    if (groupIndex_ == 0) {
        state_ = TFlatButtonState::bsUp;
        mouseIn_ = false;
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!down_);
        if (down_) Repaint();
    } else {
        if (down_) state_ = TFlatButtonState::bsExclusive;
        Repaint();
    }
    if (inside)
        Click();
    else
        HoverEnd();
    UpdateHover();
}

void TFlatButton::MouseCaptureLost() {
    // The release will not come: the press ends without a click.
    if (!dragging_) return;
    dragging_ = false;
    state_ = down_ ? TFlatButtonState::bsExclusive : TFlatButtonState::bsUp;
    Invalidate();
    UpdateHover();
}

void TFlatButton::HoverBegin() {
    if (!Enabled() || mouseIn_) return;
    mouseIn_ = true;
    Invalidate();
}

void TFlatButton::HoverEnd() {
    // While the mouse button is held the face stays lit and the poll goes on.
    if (!Enabled() || !mouseIn_ || dragging_) return;
    mouseIn_ = false;
    hoverPoll_.Stop();
    Invalidate();
}

void TFlatButton::UpdateHover() {
    if (!Enabled()) return;
    // Set the flag against the outcome, so that the step below repaints.
    if (PointerOver(*this)) {
        mouseIn_ = false;
        HoverBegin();
    } else {
        mouseIn_ = true;
        HoverEnd();
    }
}

// ---- messages

void TFlatButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDBLCLK: return HandleDoubleClick(message);
        case WM_KEYDOWN: return HandleKeyDown(message);
        case WM_KEYUP: return HandleKeyUp(message);
        case WM_SETFOCUS: return HandleSetFocus(message);
        case WM_KILLFOCUS: return HandleKillFocus(message);
        case WM_MOVE:
        case WM_SIZE: return HandleMoved(message);
        case CM_DIALOGCHAR: return HandleDialogChar(message);
        case CM_ENABLEDCHANGED: return HandleEnabledChanged(message);
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED: Invalidate(); return;
        case CM_SYSCOLORCHANGE: return HandleSysColorChange(message);
        case CM_PARENTCOLORCHANGED: return HandleParentColorChanged(message);
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE: return HandleMouseEnterLeave(message);
        case CM_BUTTONPRESSED: return HandleButtonPressed(message);
        default: TCustomControl::WndProc(message);
    }
}

void TFlatButton::HandleDoubleClick(TMessage& message) {
    TCustomControl::WndProc(message);
    if (down_) DblClick();
}

void TFlatButton::HandleKeyDown(TMessage& message) {
    if (message.WParam != VK_SPACE) return;
    if (groupIndex_ != 0)
        SetDown(true);
    else
        state_ = TFlatButtonState::bsDown;
    Invalidate();
}

void TFlatButton::HandleKeyUp(TMessage& message) {
    if (message.WParam != VK_SPACE) return;
    if (groupIndex_ != 0)
        SetDown(false);
    else
        state_ = TFlatButtonState::bsUp;
    Click();
    Invalidate();
}

void TFlatButton::HandleSetFocus(TMessage& message) {
    TCustomControl::WndProc(message);
    if (!Enabled()) return;
    mouseIn_ = true;  // a focused button looks hot
    Invalidate();
}

void TFlatButton::HandleKillFocus(TMessage& message) {
    TCustomControl::WndProc(message);
    HoverEnd();
}

void TFlatButton::HandleMoved(TMessage& message) {
    TCustomControl::WndProc(message);
    // What shows through has changed with the place.
    if (transparentMode_ != TTransparentMode::tmNone) Invalidate();
}

void TFlatButton::HandleDialogChar(TMessage& message) {
    if (!IsAccel(unsigned(message.WParam), Caption()) || !Enabled()) {
        TCustomControl::WndProc(message);
        return;
    }
    if (groupIndex_ != 0) SetDown(true);
    Click();
    message.Result = 1;
}

void TFlatButton::HandleEnabledChanged(TMessage& message) {
    TCustomControl::WndProc(message);
    if (!Enabled()) {
        mouseIn_ = false;
        state_ = TFlatButtonState::bsDisabled;
        hoverPoll_.Stop();
    }
    UpdateHover();
    Invalidate();
}

void TFlatButton::HandleSysColorChange(TMessage&) { FollowColorChange(); }

void TFlatButton::HandleParentColorChanged(TMessage& message) {
    TCustomControl::WndProc(message);
    HandleSysColorChange(message);
}

void TFlatButton::HandleMouseEnterLeave(TMessage& message) {
    TCustomControl::WndProc(message);
    const TNotifyEvent& event = message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
    if (event) event(this);
}

// ---- painting

void TFlatButton::Paint() {
    const RECT client = ClientRect();
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;

    TBitmap face;
    face.SetSize(width, height);
    TCanvas& canvas = face.Canvas();
    canvas.Font.Assign(Font());
    const POINT offset = Pressed(state_) ? POINT{1, 1} : POINT{0, 0};
    CalcGlyphLayout(canvas, client, offset, layout_, spacing_, margin_, glyph_.get(), numGlyphs_,
                    Caption(), textBounds_, glyphPos_);

    if (!Enabled()) {
        state_ = TFlatButtonState::bsDisabled;
        dragging_ = false;
    } else if (state_ == TFlatButtonState::bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? TFlatButtonState::bsExclusive
                                           : TFlatButtonState::bsUp;
    }

    PaintBackground(canvas, client);
    PaintBorder(canvas, client);
    if (!glyph_->Empty()) PaintGlyph(canvas);
    PaintCaption(canvas);

    platform::BitBlt(Canvas().Handle(), client.left, client.top, width, height, canvas.Handle(),
                     client.left, client.top, SRCCOPY);
}

void TFlatButton::PaintBackground(TCanvas& canvas, const RECT& client) {
    if (transparentMode_ == TTransparentMode::tmAlways ||
        (transparentMode_ == TTransparentMode::tmNotFocused && !mouseIn_)) {
        PaintParentBackground(*this, canvas);
        return;
    }
    TColor fill = Color();
    switch (state_) {
        case TFlatButtonState::bsUp: fill = mouseIn_ ? colorFocused_ : Color(); break;
        case TFlatButtonState::bsDisabled: fill = Color(); break;
        case TFlatButtonState::bsDown: fill = colorDown_; break;
        case TFlatButtonState::bsExclusive: fill = mouseIn_ ? colorFocused_ : colorDown_; break;
    }
    canvas.Brush.SetColor(fill);
    canvas.FillRect(client);
}

void TFlatButton::PaintBorder(TCanvas& canvas, const RECT& client) {
    switch (state_) {
        case TFlatButtonState::bsUp:
            if (mouseIn_)
                DrawFrame3D(canvas, client, colorHighLight_, colorShadow_, 1);
            else
                DrawFrame3D(canvas, client, colorBorder_, colorBorder_, default_ ? 2 : 1);
            break;
        case TFlatButtonState::bsDisabled:
            DrawFrame3D(canvas, client, colorBorder_, colorBorder_, 1);
            break;
        case TFlatButtonState::bsDown:
        case TFlatButtonState::bsExclusive:
            DrawFrame3D(canvas, client, colorShadow_, colorHighLight_, 1);
            break;
    }
}

void TFlatButton::PaintGlyph(TCanvas& canvas) {
    const int stripWidth = glyph_->Width(), height = glyph_->Height();
    const int cellWidth = stripWidth / numGlyphs_;
    if (cellWidth <= 0) return;
    // Pixels of the strip's bottom-left colour are see-through.
    COLORREF transparent = glyph_->Pixel(0, height - 1);

    TBitmap cell;
    cell.SetSize(cellWidth, height);
    platform::BitBlt(cell.Canvas().Handle(), 0, 0, cellWidth, height, glyph_->Canvas().Handle(),
                     GlyphCell(state_, numGlyphs_) * cellWidth, 0, SRCCOPY);
    TBitmap* image = &cell;
    std::unique_ptr<TBitmap> embossed;
    if (numGlyphs_ == 1 && state_ == TFlatButtonState::bsDisabled) {
        embossed = MakeDisabledGlyph(cell, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true);
        image = embossed.get();
        transparent = image->Pixel(0, height - 1);
    }
    TImageList list(nullptr);
    list.SetSize(cellWidth, height);
    list.AddMasked(*image, transparent);
    list.Draw(canvas, glyphPos_.x, glyphPos_.y, 0);
}

void TFlatButton::PaintCaption(TCanvas& canvas) {
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    auto draw = [&](RECT bounds, TColor color) {
        canvas.Font.SetColor(color);
        canvas.Prepare();
        platform::DrawTextA(canvas.Handle(), caption.c_str(), int(caption.size()), &bounds,
                            kCaptionFormat);
    };
    if (state_ == TFlatButtonState::bsDisabled) {
        RECT raised = textBounds_;
        platform::OffsetRect(&raised, 1, 1);
        draw(raised, clBtnHighlight);
        draw(textBounds_, clBtnShadow);
    } else {
        draw(textBounds_, Font().Color());
    }
}

// ---- description

bool TFlatButton::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "TransparentMode")
        SetTransparentMode(TTransparentMode(value.AsEnum({"tmAlways", "tmNotFocused", "tmNone"})));
    else if (name == "Default") SetDefault(value.AsBoolean());
    else if (name == "AllowAllUp") SetAllowAllUp(value.AsBoolean());
    else if (name == "ColorFocused") SetColorFocused(value.AsColor());
    else if (name == "ColorDown") SetColorDown(value.AsColor());
    else if (name == "ColorBorder") SetColorBorder(value.AsColor());
    else if (name == "ColorHighLight") SetColorHighLight(value.AsColor());
    else if (name == "ColorShadow") SetColorShadow(value.AsColor());
    else if (auto slot = AdvColorSlotNamed(name)) SetAdvColors(*slot, ReadAdvColorAmount(value));
    else if (name == "UseAdvColors") SetUseAdvColors(value.AsBoolean());
    else if (name == "GroupIndex") SetGroupIndex(value.AsInteger());
    else if (name == "Down") SetDown(value.AsBoolean());
    else if (name == "Glyph") SetGlyph(*LoadSharedPicture(value.AsIdentifier()));
    else if (name == "Layout")
        SetLayout(TButtonLayout(
            value.AsEnum({"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})));
    else if (name == "Margin") SetMargin(value.AsInteger());
    else if (name == "NumGlyphs") SetNumGlyphs(value.AsInteger());
    else if (name == "Spacing") SetSpacing(value.AsInteger());
    else if (name == "ModalResult")
        ModalResult = value.kind == TPropValue::Kind::Integer
                          ? value.AsInteger()
                          : value.AsEnum({"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                          "mrIgnore", "mrYes", "mrNo", "mrAll", "mrNoToAll",
                                          "mrYesToAll"});
    else if (name == "OnMouseEnter") OnMouseEnter = reader.NotifyMethod(value);
    else if (name == "OnMouseLeave") OnMouseLeave = reader.NotifyMethod(value);
    else return TCustomControl::SetProperty(name, value, reader);
    return true;
}
