// What the flat controls share: their background mode, their colour-derivation amount,
// the glyph layout, and free drawing routines without state of their own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Bitmap.h"
#include "Control.h"
#include "Graphics.h"

// How a flat button paints its background: always its parent's picture, the parent's
// picture unless it is lit, or always its own colour.
enum class TTransparentMode : std::uint8_t { tmAlways, tmNotFocused, tmNone };

// 0..100: how far DeriveAdvColor moves a colour's lightness.
using TAdvColors = std::uint8_t;

// On which side of the caption a button's glyph sits.
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The base colour with its lightness moved on the 0..240 scale: +10, then + amount up
// to at most 100 for a lighter shade, or - amount down to at least 0 for a darker one.
// With amount 0 the fallback comes back unchanged (a system colour stays one).
TColor DeriveAdvColor(TColor baseColor, TColor fallbackColor, TAdvColors amount, bool darker);

// Width nested one-pixel rings inside rect: left column and top row in topColor, right
// column and bottom row in bottomColor (so only the top-left corner is topColor).
void DrawFrame3D(TCanvas& canvas, RECT rect, TColor topColor, TColor bottomColor,
                 std::int32_t width);

// Paints what lies behind the control, its parent's background and windowless
// controls, into the canvas, whose origin stands for the control's top-left corner.
// The device context is left as it was found. Without a parent nothing happens.
void PaintParentBackground(TControl& control, TCanvas& canvas);

// An embossed silhouette of source's maskColor pixels on a backColor ground: shadow
// coloured, with a highlight coloured copy one pixel down and right if drawHighlight.
// Source is left as it is; the new bitmap belongs to the caller.
std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap& source, TColor maskColor, TColor backColor,
                                           TColor highlightColor, TColor shadowColor,
                                           bool drawHighlight);

// Where a button draws its glyph (glyphPos, its top-left corner) and its caption
// (textBounds, a cell of the caption's measured size) within client, moved by offset.
// spacing (glyph to caption) and margin (edge to glyph) are -1 for automatic. The glyph,
// if any, holds numGlyphs equal images side by side; the caption is measured in the
// canvas's font.
void CalcGlyphLayout(TCanvas& canvas, const RECT& client, POINT offset, TButtonLayout layout,
                     std::int32_t spacing, std::int32_t margin, const TBitmap* glyph,
                     std::int32_t numGlyphs, const std::string& caption, RECT& textBounds,
                     POINT& glyphPos);
