#include "Panel.h"

#include "Reader.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                   csDoubleClicks;
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.windowClass = "TPanel";
}

void TPanel::SetBevelOuter(TPanelBevel value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& canvas = Canvas();
    RECT rect = ClientRect();
    canvas.Brush.SetColor(Color());
    canvas.FillRect(rect);
    if (bevelOuter_ != TPanelBevel::bvNone && rect.right > 0 && rect.bottom > 0) {
        bool raised = bevelOuter_ == TPanelBevel::bvRaised;
        TColor topLeft = raised ? clBtnHighlight : clBtnShadow;
        TColor bottomRight = raised ? clBtnShadow : clBtnHighlight;
        canvas.Pen.SetColor(topLeft);
        canvas.MoveTo(rect.left, rect.bottom - 1);
        canvas.LineTo(rect.left, rect.top);
        canvas.LineTo(rect.right - 1, rect.top);
        canvas.Pen.SetColor(bottomRight);
        canvas.MoveTo(rect.right - 1, rect.top);
        canvas.LineTo(rect.right - 1, rect.bottom - 1);
        canvas.LineTo(rect.left - 1, rect.bottom - 1);
    }
    std::string caption = Caption();
    if (caption.empty()) return;
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Prepare();
    DrawTextA(canvas.Handle(), caption.c_str(), int(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

bool TPanel::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "BevelOuter")
        SetBevelOuter(TPanelBevel(value.AsEnum({"bvNone", "bvLowered", "bvRaised"})));
    else return TCustomControl::SetProperty(name, value, reader);
    return true;
}
