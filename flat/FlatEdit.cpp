#include "FlatEdit.h"

#include <utility>

#include "GdiHandles.h"
#include "KeyEvents.h"
#include "Platform.h"
#include "Reader.h"
#include "Screen.h"

namespace {

constexpr int kFrameWidth = 3;

}  // namespace

TCustomFlatEdit::TCustomFlatEdit(TComponent* owner) : TCustomEdit(owner) {
    TControl::SetParentFont(true);
    colorFocused_ = clWhite;
    colorBorder_ = 0x8396A0;
    colorFlat_ = 0xE1EAEB;
    parentColor_ = true;
    // The framework's edit has no automatic height and no 3D look to switch off; only
    // its border goes, the frame takes its place.
    SetBorderStyle(TEditBorderStyle::bsNone);
    ControlStyle &= ~csFramed;
    SetBounds(0, 0, 121, 19);
}

void TCustomFlatEdit::SetColors(TFlatEditColor slot, TColor value) {
    switch (slot) {
        case TFlatEditColor::Focused: colorFocused_ = value; break;
        case TFlatEditColor::Border: colorBorder_ = value; break;
        case TFlatEditColor::Flat:
            colorFlat_ = value;
            parentColor_ = false;
            break;
    }
    PaintFrame();
}

void TCustomFlatEdit::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (!value) return;
    if (parent_) colorFlat_ = parent_->Color();
    PaintFrame();
}

void TCustomFlatEdit::SetAdvColors(TAdvColorSlot slot, TAdvColors value) {
    if (slot == TAdvColorSlot::Down) return;
    amounts_.SetAmount(slot, value);
    if (!amounts_.InUse()) return;
    ApplyAdvColors();
    PaintFrame();
}

void TCustomFlatEdit::SetUseAdvColors(bool value) {
    if (!amounts_.SetInUse(value)) return;
    SetParentColor(value);
    ApplyAdvColors();
    PaintFrame();
}

void TCustomFlatEdit::ApplyAdvColors() {
    amounts_.Derive(colorFlat_, colorFocused_, nullptr, colorBorder_);
}

void TCustomFlatEdit::Loaded() {
    TCustomEdit::Loaded();
    if (!(ComponentState() & csDesigning)) FitHeightToFont();
}

void TCustomFlatEdit::FitHeightToFont() {
    TEXTMETRICA metrics{};
    {
        ClientDC screen(nullptr);
        SelectedObject font(screen.Get(), Font().Handle());
        platform::GetTextMetricsA(screen.Get(), &metrics);
    }
    SetHeight(metrics.tmHeight + 2 * kFrameWidth);
}

bool TCustomFlatEdit::Lit() {
    if (ComponentState() & csDesigning) return false;
    if (Focused()) return true;
    return hovered_ && !dynamic_cast<TFlatEdit*>(Screen.ActiveControl());
}

void TCustomFlatEdit::PaintFrame(HRGN) {
    // Without a parent there can be no window to paint on (a child window needs one);
    // the first WM_NCPAINT after it is placed paints the frame.
    if (!HandleAllocated() && !parent_) return;
    HWND window = Handle();
    RECT r;
    platform::GetWindowRect(window, &r);
    platform::OffsetRect(&r, -r.left, -r.top);
    BrushHandle border = SolidBrush(ColorToRGB(colorBorder_));
    BrushHandle flat = SolidBrush(ColorToRGB(colorFlat_));
    BrushHandle focus = SolidBrush(ColorToRGB(colorFocused_));
    // Declared after the brushes: the context goes back before they are deleted.
    WindowDC dc(window);
    HBRUSH fill;
    if (Lit()) {
        SetColor(colorFocused_);
        fill = focus.Get();
    } else {
        SetColor(colorFlat_);
        fill = flat.Get();
    }
    if (!dc.Get()) return;
    platform::FrameRect(dc.Get(), &r, border.Get());
    platform::InflateRect(&r, -1, -1);
    platform::FrameRect(dc.Get(), &r, fill);
    platform::InflateRect(&r, -1, -1);
    platform::FrameRect(dc.Get(), &r, fill);
}

void TCustomFlatEdit::TakeParentColor() {
    if (parent_) colorFlat_ = parent_->Color();
}

void TCustomFlatEdit::HandleCreated() {
    TCustomEdit::HandleCreated();
    // The system edit measured its frame before we took over its procedure; ask again
    // so the 3-pixel band is reserved from the start.
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomFlatEdit::ParentColorChanged() {
    if (parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TCustomFlatEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED: return HandleEnabledChanged(message);
        case CM_FONTCHANGED: return HandleFontChanged(message);
        case CM_MOUSEENTER: return HandleMouseEnter(message);
        case CM_MOUSELEAVE: return HandleMouseLeave(message);
        case WM_SETFOCUS:
        case WM_KILLFOCUS: return HandleFocusChange(message);
        case WM_NCCALCSIZE: return HandleNcCalcSize(message);
        case WM_NCPAINT: return HandleNcPaint(message);
        case CM_SYSCOLORCHANGE:
        case CM_PARENTCOLORCHANGED: return HandleColorChanges(message);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return HandleKey(message, OnKeyDown);
        case WM_KEYUP:
        case WM_SYSKEYUP: return HandleKey(message, OnKeyUp);
        case WM_CHAR: return HandleChar(message);
        case WM_PASTE: return HandlePaste(message);
        default: TCustomEdit::WndProc(message); return;
    }
}

void TCustomFlatEdit::HandleEnabledChanged(TMessage& message) {
    TCustomEdit::WndProc(message);
    PaintFrame();
}

void TCustomFlatEdit::HandleFontChanged(TMessage& message) {
    TCustomEdit::WndProc(message);
    unsigned state = ComponentState();
    if (!((state & csDesigning) && (state & csLoading))) FitHeightToFont();
}

void TCustomFlatEdit::HandleMouseEnter(TMessage& message) {
    TCustomEdit::WndProc(message);
    // Another program in front: its window has the user's attention, not this edit.
    if (!platform::GetActiveWindow()) return;
    hovered_ = true;
    PaintFrame();
}

void TCustomFlatEdit::HandleMouseLeave(TMessage& message) {
    TCustomEdit::WndProc(message);
    hovered_ = false;
    PaintFrame();
}

void TCustomFlatEdit::HandleFocusChange(TMessage& message) {
    TCustomEdit::WndProc(message);
    if (!(ComponentState() & csDesigning)) PaintFrame();
}

void TCustomFlatEdit::HandleNcCalcSize(TMessage& message) {
    TCustomEdit::WndProc(message);
    // Either form of the message starts with the proposed client rectangle.
    auto* proposed = reinterpret_cast<RECT*>(message.LParam);
    platform::InflateRect(proposed, -kFrameWidth, -kFrameWidth);
}

void TCustomFlatEdit::HandleNcPaint(TMessage& message) {
    TCustomEdit::WndProc(message);
    PaintFrame(reinterpret_cast<HRGN>(message.WParam));
}

void TCustomFlatEdit::HandleColorChanges(TMessage&) {
    if (amounts_.InUse()) {
        TakeParentColor();
        ApplyAdvColors();
    } else if (parentColor_) {
        TakeParentColor();
    }
    PaintFrame();
}

void TCustomFlatEdit::HandleKey(TMessage& message, const TKeyEvent& event) {
    if (FireKeyEvent(this, message, event)) TCustomEdit::WndProc(message);
}

void TCustomFlatEdit::HandleChar(TMessage& message) {
    if (FireKeyPressEvent(this, message, OnKeyPress)) TCustomEdit::WndProc(message);
}

void TCustomFlatEdit::HandlePaste(TMessage& message) {
    if (OnPaste)
        OnPaste(this);
    else
        TCustomEdit::WndProc(message);
}

bool TFlatEdit::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "ColorFocused") SetColorFocused(value.AsColor());
    else if (name == "ColorBorder") SetColorBorder(value.AsColor());
    else if (name == "ColorFlat") SetColorFlat(value.AsColor());
    else if (name == "ParentColor") SetParentColor(value.AsBoolean());
    else if (name == "AdvColorFocused") SetAdvColorFocused(ReadAdvColorAmount(value));
    else if (name == "AdvColorBorder") SetAdvColorBorder(ReadAdvColorAmount(value));
    else if (name == "UseAdvColors") SetUseAdvColors(value.AsBoolean());
    else if (name == "OnKeyDown") OnKeyDown = reader.Method<TKeyEvent>(value);
    else if (name == "OnKeyUp") OnKeyUp = reader.Method<TKeyEvent>(value);
    else if (name == "OnKeyPress") OnKeyPress = reader.Method<TKeyPressEvent>(value);
    else if (name == "OnPaste") OnPaste = reader.NotifyMethod(value);
    // The fill follows the frame state, and the construction fixes the border.
    else if (name == "Color" || name == "BorderStyle" || name == "AutoSelect") return false;
    else return TCustomEdit::SetProperty(name, value, reader);
    return true;
}
