// A bitmap the program owns: a 32-bit top-down DIB section with a canvas on a memory DC.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "GdiHandles.h"
#include "Graphics.h"

class TBitmap {
public:
    TBitmap() = default;
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);
    COLORREF Pixel(int x, int y) const;
    // The pixels, top row first, each 0x00RRGGBB; flush GDI before touching them.
    std::uint32_t* Bits() const { return bits_; }
    TCanvas& Canvas();
    HBITMAP Handle() const { return bitmap_.Get(); }

private:
    void Release();

    int width_ = 0, height_ = 0;
    BitmapHandle bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::unique_ptr<MemoryDC> dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    TCanvas canvas_;
};
