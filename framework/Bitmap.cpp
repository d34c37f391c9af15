#include "Bitmap.h"

#include "Exceptions.h"

TBitmap::~TBitmap() { Release(); }

void TBitmap::Release() {
    canvas_.SetHandle(nullptr);
    if (dc_) {
        SelectObject(dc_->Get(), originalBitmap_);
        dc_.reset();
    }
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height, TPixelFormat format) {
    Release();
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(format);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) throw EInvalidOperation("Bitmap kann nicht erzeugt werden");
    bitmap_.Reset(section);
    bits_ = static_cast<std::uint8_t*>(bits);
    format_ = format;
    width_ = width;
    height_ = height;
}

TCanvas& TBitmap::Canvas() {
    if (!dc_ && bitmap_) {
        dc_ = std::make_unique<MemoryDC>(nullptr);
        originalBitmap_ = SelectObject(dc_->Get(), bitmap_.Get());
        canvas_.SetHandle(dc_->Get());
    }
    return canvas_;
}

COLORREF TBitmap::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    GdiFlush();
    const std::uint8_t* pixel =
        bits_ + size_t(y) * size_t(Stride()) + size_t(x) * (size_t(format_) / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

int TBitmap::Stride() const {
    // DIB rows start on four-byte boundaries.
    return (width_ * (int(format_) / 8) + 3) & ~3;
}
