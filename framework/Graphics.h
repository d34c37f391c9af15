// Fonts, pens, brushes and the canvas that draws with them. Each tool owns its GDI
// handle and makes it on first use; the canvas only selects them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "GdiHandles.h"
#include "Types.h"

COLORREF ColorToRGB(TColor color);

constexpr unsigned fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TFont {
public:
    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    int Charset() const { return charset_; }
    unsigned Style() const { return style_; }
    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetColor(TColor color);
    void SetCharset(int charset);
    void SetStyle(unsigned style);
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    HFONT Handle();
    std::function<void()> OnChange;

private:
    void Changed(bool handleChanges);

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    unsigned style_ = 0;
    FontHandle handle_;
};

class TPen {
public:
    TColor Color() const { return color_; }
    int Width() const { return width_; }
    int Style() const { return style_; }
    void SetColor(TColor color);
    void SetWidth(int width);
    void SetStyle(int style);  // PS_SOLID and the rest
    HPEN Handle();

private:
    TColor color_ = clBlack;
    int width_ = 1;
    int style_ = PS_SOLID;
    PenHandle handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    TBrushStyle Style() const { return style_; }
    void SetColor(TColor color);
    void SetStyle(TBrushStyle style);
    HBRUSH Handle();

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    BrushHandle handle_;
};

class TBitmap;

class TCanvas;

// Lends a device context to a canvas with the control's font, for one paint.
class CanvasLease {
public:
    CanvasLease(TCanvas& canvas, HDC dc, const TFont& font);
    ~CanvasLease();
    CanvasLease(const CanvasLease&) = delete;
    CanvasLease& operator=(const CanvasLease&) = delete;

private:
    TCanvas& canvas_;
};

class TCanvas {
public:
    TCanvas() = default;
    ~TCanvas() { SetHandle(nullptr); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The canvas borrows the device context; the caller keeps owning it.
    void SetHandle(HDC dc);
    HDC Handle() const { return dc_; }

    TFont Font;
    TPen Pen;
    TBrush Brush;

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    void Draw(int x, int y, TBitmap& bitmap);
    void StretchDraw(const RECT& target, TBitmap& bitmap);
    // Draws the bitmap into the target, leaving out every pixel of the key colour.
    void DrawTransparent(const RECT& target, TBitmap& bitmap, COLORREF key);
    // Selects the current font, pen and brush (they may have changed since last use).
    void Prepare();

private:
    HDC dc_ = nullptr;
    HGDIOBJ originalFont_ = nullptr, originalPen_ = nullptr, originalBrush_ = nullptr;
};
