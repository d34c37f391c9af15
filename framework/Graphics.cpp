#include "Graphics.h"

#include "Bitmap.h"

COLORREF ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

// ---- TFont

void TFont::Changed(bool handleChanges) {
    if (handleChanges) handle_.Reset();
    if (OnChange) OnChange();
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed(true);
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed(true);
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed(false);
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed(true);
}

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed(true);
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           charset_ == other.charset_ && style_ == other.style_;
}

void TFont::Assign(const TFont& other) {
    if (SameAs(other)) return;
    bool handleChanges = name_ != other.name_ || height_ != other.height_ ||
                         charset_ != other.charset_ || style_ != other.style_;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    charset_ = other.charset_;
    style_ = other.style_;
    Changed(handleChanges);
}

HFONT TFont::Handle() {
    if (!handle_) {
        handle_.Reset(CreateFontA(height_, 0, 0, 0, (style_ & fsBold) ? FW_BOLD : FW_NORMAL,
                                  (style_ & fsItalic) != 0, (style_ & fsUnderline) != 0,
                                  (style_ & fsStrikeOut) != 0, BYTE(charset_),
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, name_.c_str()));
    }
    return handle_.Get();
}

// ---- TPen

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    handle_.Reset();
}

void TPen::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    handle_.Reset();
}

void TPen::SetStyle(int style) {
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
}

HPEN TPen::Handle() {
    if (!handle_) handle_.Reset(CreatePen(style_, width_, ColorToRGB(color_)));
    return handle_.Get();
}

// ---- TBrush

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == TBrushStyle::bsSolid) return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    handle_.Reset();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
}

HBRUSH TBrush::Handle() {
    if (!handle_) {
        if (style_ == TBrushStyle::bsClear) {
            LOGBRUSH hollow{BS_HOLLOW, 0, 0};
            handle_.Reset(CreateBrushIndirect(&hollow));
        } else {
            handle_ = SolidBrush(ColorToRGB(color_));
        }
    }
    return handle_.Get();
}

// ---- TCanvas

CanvasLease::CanvasLease(TCanvas& canvas, HDC dc, const TFont& font) : canvas_(canvas) {
    canvas_.SetHandle(dc);
    canvas_.Font.Assign(font);
}

CanvasLease::~CanvasLease() { canvas_.SetHandle(nullptr); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    if (dc_ && originalFont_) {
        SelectObject(dc_, originalFont_);
        SelectObject(dc_, originalPen_);
        SelectObject(dc_, originalBrush_);
    }
    originalFont_ = originalPen_ = originalBrush_ = nullptr;
    dc_ = dc;
}

void TCanvas::Prepare() {
    HGDIOBJ font = SelectObject(dc_, Font.Handle());
    HGDIOBJ pen = SelectObject(dc_, Pen.Handle());
    HGDIOBJ brush = SelectObject(dc_, Brush.Handle());
    if (!originalFont_) {
        originalFont_ = font;
        originalPen_ = pen;
        originalBrush_ = brush;
    }
    SetTextColor(dc_, ColorToRGB(Font.Color()));
    if (Brush.Style() == TBrushStyle::bsClear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRGB(Brush.Color()));
    }
}

void TCanvas::FillRect(const RECT& rect) {
    Prepare();
    ::FillRect(dc_, &rect, Brush.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
    Prepare();
    ::FrameRect(dc_, &rect, Brush.Handle());
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    Prepare();
    ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Prepare();
    ::TextOutA(dc_, x, y, text.data(), int(text.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) {
    Prepare();
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), int(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& target, TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    // Plain pixel replication: predictable, and the same on Windows and under Wine.
    int previous = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, target.left, target.top, target.right - target.left,
               target.bottom - target.top, bitmap.Canvas().Handle(), 0, 0, bitmap.Width(),
               bitmap.Height(), SRCCOPY);
    SetStretchBltMode(dc_, previous);
}

void TCanvas::DrawTransparent(const RECT& target, TBitmap& bitmap, COLORREF key) {
    if (bitmap.Empty()) return;
    int width = target.right - target.left, height = target.bottom - target.top;
    if (width <= 0 || height <= 0) return;
    HDC source = bitmap.Canvas().Handle();
    TBitmap scaled;
    if (width != bitmap.Width() || height != bitmap.Height()) {
        // Scale first with plain pixel replication, which keeps the key colour exact and
        // does not darken (a transparent blit may scale in black-on-white mode).
        scaled.SetSize(width, height);
        HDC scaledDC = scaled.Canvas().Handle();
        SetStretchBltMode(scaledDC, COLORONCOLOR);
        StretchBlt(scaledDC, 0, 0, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(),
                   SRCCOPY);
        source = scaledDC;
    }
    // gdi32's own export; msimg32.dll's TransparentBlt only forwards to it.
    GdiTransparentBlt(dc_, target.left, target.top, width, height, source, 0, 0, width, height, key);
}
