// A bitmap the program owns: a top-down DIB section with a canvas on a memory DC.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "GdiHandles.h"
#include "Graphics.h"

// Bits per pixel: 32 by default; 24 for pictures, which need no fourth byte and are
// the bulk of the program's memory.
enum class TPixelFormat { pf24bit = 24, pf32bit = 32 };

class TBitmap {
public:
    TBitmap() = default;
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);
    TPixelFormat PixelFormat() const { return format_; }
    COLORREF Pixel(int x, int y) const;
    // The pixels, top row first, rows Stride() bytes apart, each pixel blue, green, red
    // (and a fourth byte at 32 bits); flush GDI before touching them.
    std::uint8_t* Bits() const { return bits_; }
    int Stride() const;
    TCanvas& Canvas();
    HBITMAP Handle() const { return bitmap_.Get(); }

private:
    void Release();

    int width_ = 0, height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf32bit;
    BitmapHandle bitmap_;
    std::uint8_t* bits_ = nullptr;
    std::unique_ptr<MemoryDC> dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    TCanvas canvas_;
};
