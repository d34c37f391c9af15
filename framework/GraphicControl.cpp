#include "GraphicControl.h"

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg != WM_PAINT) return TControl::WndProc(message);
    // The parent has moved the origin to this control's corner and clipped to it.
    CanvasLease lease(canvas_, reinterpret_cast<HDC>(message.WParam), Font());
    Paint();
}
