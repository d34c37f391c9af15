#include "CustomControl.h"

void TCustomControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.windowClass = "TCustomControl";
}

void TCustomControl::PaintWindow(HDC dc) {
    CanvasLease lease(canvas_, dc, Font());
    Paint();
}
