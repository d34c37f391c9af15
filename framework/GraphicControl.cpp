#include "GraphicControl.h"

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg != WM_PAINT) return TControl::WndProc(message);
    // The parent has moved the origin to this control's corner and clipped to it.
    canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
    canvas_.Font.Assign(Font());
    struct Release {
        TCanvas& canvas;
        ~Release() { canvas.SetHandle(nullptr); }
    } release{canvas_};
    Paint();
}
