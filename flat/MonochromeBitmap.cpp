#include "MonochromeBitmap.h"

#include "Exceptions.h"
#include "Platform.h"

TMonochromeBitmap::TMonochromeBitmap(TBitmap& colour)
    : width_(colour.Width()),
      height_(colour.Height()),
      bitmap_(CreateBitmap(width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1, 1, 1, nullptr)),
      dc_(nullptr),
      selected_(dc_.Get(), bitmap_.Get()) {
    if (!bitmap_ || !dc_.Get()) throw EInvalidOperation("Bitmap kann nicht erzeugt werden");
    if (colour.Empty()) return;
    TCanvas& canvas = colour.Canvas();
    HDC source = canvas.Handle();
    COLORREF previous = platform::SetBkColor(source, ColorToRGB(canvas.Brush.Color()));
    platform::BitBlt(dc_.Get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    platform::SetBkColor(source, previous);
}
