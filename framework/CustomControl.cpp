#include "CustomControl.h"

void TCustomControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.windowClass = "TCustomControl";
}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_.SetHandle(dc);
    canvas_.Font.Assign(Font());
    struct Release {
        TCanvas& canvas;
        ~Release() { canvas.SetHandle(nullptr); }
    } release{canvas_};
    Paint();
}
