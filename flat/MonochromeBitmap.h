// A one-bit copy of a colour bitmap: set (white) where a pixel equals the colour
// bitmap's brush colour, clear (black) everywhere else. The framework's bitmaps are
// always 32-bit, so this conversion lives here, with GDI's own colour-to-monochrome
// copy, which compares each pixel with the source's background colour.
#pragma once

#include <windows.h>

#include "Bitmap.h"
#include "GdiHandles.h"

class TMonochromeBitmap {
public:
    // Throws EInvalidOperation if the bitmap cannot be made.
    explicit TMonochromeBitmap(TBitmap& colour);
    TMonochromeBitmap(const TMonochromeBitmap&) = delete;
    TMonochromeBitmap& operator=(const TMonochromeBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A memory device context with the bitmap selected, for copying it elsewhere.
    HDC DC() const { return dc_.Get(); }

private:
    int width_, height_;
    // In this order, so the bitmap is taken out of the context before either is freed.
    BitmapHandle bitmap_;
    MemoryDC dc_;
    SelectedObject selected_;
};
