#include "Label.h"

#include "GdiHandles.h"
#include "Reader.h"
#include "VerdanaBlanks.h"
#include "WinControl.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle |= csOpaque;
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    if (value)
        ControlStyle &= ~csOpaque;
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::DrawCaption(HDC dc, RECT& rect, UINT flags) {
    std::string text = Caption();
    // An empty label still measures one blank, so it keeps a height.
    if ((flags & DT_CALCRECT) && text.empty()) text.push_back(' ');
    VerdanaBlanks blanks(dc, Font().Name(), text);
    DrawTextA(dc, text.c_str(), int(text.size()), &rect, flags | DT_EXPANDTABS);
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || (ComponentState() & csLoading)) return;
    ClientDC screen(nullptr);
    RECT rect{0, 0, 0, 0};
    SelectedObject font(screen.Get(), Font().Handle());
    DrawCaption(screen.Get(), rect, DT_CALCRECT);
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify) left += Width() - rect.right;
    SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    RECT client = ClientRect();
    if (!transparent_) {
        canvas.Brush.SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Prepare();
    UINT flags = alignment_ == TAlignment::taCenter          ? DT_CENTER
                 : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                            : DT_LEFT;
    HDC dc = canvas.Handle();
    if (Enabled()) {
        DrawCaption(dc, client, flags);
        return;
    }
    // Disabled: an engraved look.
    OffsetRect(&client, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawCaption(dc, client, flags);
    OffsetRect(&client, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawCaption(dc, client, flags);
}

bool TLabel::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Transparent") SetTransparent(value.AsBoolean());
    else if (name == "AutoSize") SetAutoSize(value.AsBoolean());
    else if (name == "Alignment")
        SetAlignment(TAlignment(value.AsEnum({"taLeftJustify", "taRightJustify", "taCenter"})));
    else return TGraphicControl::SetProperty(name, value, reader);
    return true;
}
