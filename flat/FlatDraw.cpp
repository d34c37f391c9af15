#include "FlatDraw.h"

#include "GdiHandles.h"
#include "HSLUtils.h"
#include "MonochromeBitmap.h"
#include "Platform.h"
#include "WinControl.h"

namespace {

// The canvas has no polyline of its own. Unlike MoveTo/LineTo a polyline leaves the pen
// position alone; like them it draws each segment's start and not the final point.
void DrawPolyline(TCanvas& canvas, const POINT (&points)[3]) {
    canvas.Prepare();
    ::Polyline(canvas.Handle(), points, 3);
}

// Paints the brush of the destination where the monochrome source is set and keeps the
// destination where it is clear: ((D xor P) and S) xor D, with set bits read as white.
constexpr DWORD ropBrushWhereSourceSet = 0x00E20746;

void StampMask(TCanvas& target, const TMonochromeBitmap& mask, int x, int y, TColor color) {
    target.Brush.SetColor(color);
    target.Prepare();  // selects the brush the raster operation paints with
    HDC dc = target.Handle();
    // A monochrome source reads as the text colour where clear, the background where set.
    platform::SetTextColor(dc, 0x000000);
    platform::SetBkColor(dc, 0xFFFFFF);
    platform::BitBlt(dc, x, y, mask.Width(), mask.Height(), mask.DC(), 0, 0,
                     ropBrushWhereSourceSet);
}

}  // namespace

TColor DeriveAdvColor(TColor baseColor, TColor fallbackColor, TAdvColors amount, bool darker) {
    if (amount == 0) return fallbackColor;
    THSLScaled hsl = ColorToHSLScaled(TColor(ColorToRGB(baseColor)));
    // The offset applies both ways and the upper limit is 100 of 240, so a light base
    // gives a lighter shade that is in fact darker than itself.
    hsl.L += 10;
    if (darker)
        hsl.L = hsl.L - amount < 0 ? 0 : hsl.L - amount;
    else
        hsl.L = hsl.L + amount > 100 ? 100 : hsl.L + amount;
    return HSLScaledToColor(hsl.H, hsl.S, hsl.L);
}

void DrawFrame3D(TCanvas& canvas, RECT rect, TColor topColor, TColor bottomColor,
                 std::int32_t width) {
    canvas.Pen.SetWidth(1);
    // Right and bottom name the last pixel column and row from here on.
    --rect.right;
    --rect.bottom;
    for (std::int32_t ring = 0; ring < width; ++ring) {
        const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
        canvas.Pen.SetColor(topColor);
        DrawPolyline(canvas, {{l, b}, {l, t}, {r, t}});
        canvas.Pen.SetColor(bottomColor);
        DrawPolyline(canvas, {{r, t}, {r, b}, {l - 1, b}});
        platform::InflateRect(&rect, -1, -1);
    }
}

void PaintParentBackground(TControl& control, TCanvas& canvas) {
    TWinControl* parent = control.Parent();
    if (!parent) return;
    HDC dc = canvas.Handle();
    SavedDC saved(dc);
    // The parent paints in its own client coordinates; its pixel under the control's
    // top-left corner must land on the canvas origin.
    POINT origin{};
    platform::GetViewportOrgEx(dc, &origin);
    platform::SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    platform::IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    // A paint request that carries a device context paints the parent's background and
    // its windowless controls into it.
    const WPARAM target = reinterpret_cast<WPARAM>(dc);
    parent->Perform(WM_ERASEBKGND, target, 0);
    parent->Perform(WM_PAINT, target, 0);
}

std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap& source, TColor maskColor, TColor backColor,
                                           TColor highlightColor, TColor shadowColor,
                                           bool drawHighlight) {
    auto result = std::make_unique<TBitmap>();
    if (source.Empty()) return result;
    const RECT all{0, 0, source.Width(), source.Height()};
    result->SetSize(all.right, all.bottom);

    // The pixels of exactly maskColor, as a monochrome mask; converting a copy leaves
    // the source's device context alone.
    TBitmap colourCopy;
    colourCopy.SetSize(all.right, all.bottom);
    colourCopy.Canvas().Draw(0, 0, source);
    colourCopy.Canvas().Brush.SetColor(maskColor);
    TMonochromeBitmap mask(colourCopy);

    TCanvas& canvas = result->Canvas();
    canvas.Brush.SetColor(backColor);
    canvas.FillRect(all);
    if (drawHighlight) StampMask(canvas, mask, 1, 1, highlightColor);
    StampMask(canvas, mask, 0, 0, shadowColor);
    return result;
}

void CalcGlyphLayout(TCanvas& canvas, const RECT& client, POINT offset, TButtonLayout layout,
                     std::int32_t spacing, std::int32_t margin, const TBitmap* glyph,
                     std::int32_t numGlyphs, const std::string& caption, RECT& textBounds,
                     POINT& glyphPos) {
    // All divisions truncate toward zero, as C++'s do, also for a client too small to
    // hold glyph and caption.
    const POINT clientSize{client.right - client.left, client.bottom - client.top};
    POINT glyphSize{0, 0};
    // An empty glyph has size (0, 0) anyway; numGlyphs below 1 would divide by zero.
    if (glyph) glyphSize = {glyph->Width() / (numGlyphs > 0 ? numGlyphs : 1), glyph->Height()};

    POINT textSize{0, 0};
    if (!caption.empty()) {
        textBounds = {0, 0, client.right - client.left, 0};
        canvas.Prepare();  // selects the canvas's font for measuring
        platform::DrawTextA(canvas.Handle(), caption.c_str(), int(caption.size()), &textBounds,
                            DT_CALCRECT | DT_SINGLELINE);
        textSize = {textBounds.right - textBounds.left, textBounds.bottom - textBounds.top};
    } else {
        textBounds = {0, 0, 0, 0};
    }

    // Centred across the layout's axis.
    POINT textPos{0, 0};
    glyphPos = {0, 0};
    const bool horizontal =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    if (horizontal) {
        glyphPos.y = (clientSize.y - glyphSize.y + 1) / 2;
        textPos.y = (clientSize.y - textSize.y + 1) / 2;
    } else {
        glyphPos.x = (clientSize.x - glyphSize.x + 1) / 2;
        textPos.x = (clientSize.x - textSize.x + 1) / 2;
    }

    // No gap without both glyph and caption (judged by their widths for every layout).
    if (textSize.x == 0 || glyphSize.x == 0) spacing = 0;

    // Along the layout's axis, -1 meaning automatic.
    const LONG clientAlong = horizontal ? clientSize.x : clientSize.y;
    const LONG glyphAlong = horizontal ? glyphSize.x : glyphSize.y;
    const LONG textAlong = horizontal ? textSize.x : textSize.y;
    if (margin == -1 && spacing == -1) {
        LONG total = glyphAlong + textAlong;
        margin = (clientAlong - total) / 3;
        spacing = margin;
    } else if (margin == -1) {
        LONG total = glyphAlong + spacing + textAlong;
        margin = (clientAlong - total + 1) / 2;
    } else if (spacing == -1) {
        spacing = (clientAlong - (margin + glyphAlong) - textAlong) / 2;
    }

    switch (layout) {
        case TButtonLayout::blGlyphLeft:
            glyphPos.x = margin;
            textPos.x = glyphPos.x + glyphSize.x + spacing;
            break;
        case TButtonLayout::blGlyphRight:
            glyphPos.x = clientSize.x - margin - glyphSize.x;
            textPos.x = glyphPos.x - spacing - textSize.x;
            break;
        case TButtonLayout::blGlyphTop:
            glyphPos.y = margin;
            textPos.y = glyphPos.y + glyphSize.y + spacing;
            break;
        case TButtonLayout::blGlyphBottom:
            glyphPos.y = clientSize.y - margin - glyphSize.y;
            textPos.y = glyphPos.y - spacing - textSize.y;
            break;
    }

    glyphPos.x += client.left + offset.x;
    glyphPos.y += client.top + offset.y;
    platform::OffsetRect(&textBounds, textPos.x + client.left + offset.x,
                         textPos.y + client.top + offset.y);
}
