// The shared drawing helpers of the flat controls: derived shades, frame rings pixel by
// pixel, the embossed disabled glyph, and where a button puts its glyph and caption.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Bitmap.h"
#include "FlatDraw.h"
#include "HandleCounts.h"
#include "Platform.h"

namespace {

// ---- DeriveAdvColor

TEST(DeriveAdvColorTest, TheWorkedValues) {
    EXPECT_EQ(DeriveAdvColor(clBlack, clNone, 10, false), 0x151515);
    EXPECT_EQ(DeriveAdvColor(clWhite, clNone, 50, true), 0xD5D5D5);  // 240 + 10 - 50
    EXPECT_EQ(DeriveAdvColor(clRed, clNone, 10, false), 0x0000D5);   // 140 cut to 100
}

TEST(DeriveAdvColorTest, AmountZeroKeepsTheFallbackAsItIs) {
    EXPECT_EQ(DeriveAdvColor(clRed, clBtnFace, 0, false), clBtnFace);
    EXPECT_EQ(DeriveAdvColor(clRed, clBtnFace, 0, true), clBtnFace);
    EXPECT_EQ(DeriveAdvColor(clBtnShadow, 0x123456, 0, true), 0x123456);
}

TEST(DeriveAdvColorTest, TheOffsetOfTenAppliesBothWays) {
    EXPECT_EQ(DeriveAdvColor(clBlack, clNone, 5, true), 0x050505);   // 0 + 10 - 5
    EXPECT_EQ(DeriveAdvColor(clBlack, clNone, 10, true), 0x000000);  // 0 + 10 - 10
    EXPECT_EQ(DeriveAdvColor(clBlack, clNone, 1, false), 0x0C0C0C);  // 11 of 240
}

TEST(DeriveAdvColorTest, LighterStopsAtOneHundredAndDarkerAtZero) {
    // A lighter shade of a light colour is darker than the colour: 100 of 240 at most.
    EXPECT_EQ(DeriveAdvColor(clWhite, clNone, 10, false), 0x6A6A6A);
    EXPECT_EQ(DeriveAdvColor(clSilver, clNone, 100, false), 0x6A6A6A);
    EXPECT_EQ(DeriveAdvColor(clRed, clNone, 100, false), 0x0000D5);
    EXPECT_EQ(DeriveAdvColor(clRed, clNone, 100, true), 0x000040);     // 30 of 240
    EXPECT_EQ(DeriveAdvColor(0x000040, clNone, 100, true), 0x000000);  // 30 + 10 - 100
    EXPECT_EQ(DeriveAdvColor(clWhite, clNone, 100, true), 0x9F9F9F);   // 150 of 240
}

TEST(DeriveAdvColorTest, SystemColoursAreResolvedFirst) {
    TColor face = TColor(ColorToRGB(clBtnFace));
    EXPECT_EQ(DeriveAdvColor(clBtnFace, clNone, 50, true), DeriveAdvColor(face, clNone, 50, true));
    EXPECT_EQ(DeriveAdvColor(clBtnFace, clNone, 10, false),
              DeriveAdvColor(face, clNone, 10, false));
    EXPECT_EQ(DeriveAdvColor(clBtnFace, clNone, 10, false) & 0xFF000000, 0);
}

// ---- DrawFrame3D

constexpr COLORREF ground = 0x123456, top = 0x0000FF, bottom = 0x00FF00;

// The colour each pixel must have after the rings, from the rings' description: per
// ring the bottom row (all of it) and the right column (but its last pixel) in the
// bottom colour, then the left column and the top row (but its last pixel) in the top.
COLORREF RingColour(int x, int y, RECT rect, int width, COLORREF topColour,
                    COLORREF bottomColour) {
    for (int ring = 0; ring < width; ++ring) {
        int l = rect.left + ring, t = rect.top + ring;
        int r = rect.right - 1 - ring, b = rect.bottom - 1 - ring;
        if (y == b && x >= l && x <= r) return bottomColour;
        if (x == r && y >= t && y < b) return bottomColour;
        if (x == l && y >= t && y <= b) return topColour;
        if (y == t && x >= l && x < r) return topColour;
    }
    return ground;
}

class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        surface.SetSize(20, 16);
        surface.Canvas().Brush.SetColor(TColor(ground));
        surface.Canvas().FillRect({0, 0, 20, 16});
    }
    void ExpectRings(RECT rect, int width) {
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < surface.Width(); ++x)
                ASSERT_EQ(surface.Pixel(x, y), RingColour(x, y, rect, width, top, bottom))
                    << "at " << x << "," << y;
    }
    TBitmap surface;
};

TEST_F(FrameTest, RingsNestOnePixelApartWithTheCornersOfTheBottomColour) {
    const RECT rect{3, 2, 17, 13};
    DrawFrame3D(surface.Canvas(), rect, TColor(top), TColor(bottom), 3);
    ExpectRings(rect, 3);
    EXPECT_EQ(surface.Pixel(3, 2), top);       // top-left
    EXPECT_EQ(surface.Pixel(16, 2), bottom);   // top-right
    EXPECT_EQ(surface.Pixel(3, 12), bottom);   // bottom-left
    EXPECT_EQ(surface.Pixel(16, 12), bottom);  // bottom-right
    EXPECT_EQ(surface.Pixel(5, 4), top);       // the third ring's top-left
}

TEST_F(FrameTest, OneRingWithOnePixelLinesWhateverThePenWidthWas) {
    surface.Canvas().Pen.SetWidth(4);
    const RECT rect{0, 0, 20, 16};
    DrawFrame3D(surface.Canvas(), rect, TColor(top), TColor(bottom), 1);
    ExpectRings(rect, 1);
    EXPECT_EQ(surface.Canvas().Pen.Width(), 1);
}

TEST_F(FrameTest, WidthZeroDrawsNothing) {
    DrawFrame3D(surface.Canvas(), {0, 0, 20, 16}, TColor(top), TColor(bottom), 0);
    ExpectRings({0, 0, 20, 16}, 0);
}

TEST_F(FrameTest, SystemColoursAreDrawnAsTheSystemHasThem) {
    DrawFrame3D(surface.Canvas(), {2, 2, 10, 10}, clBtnHighlight, clBtnShadow, 1);
    EXPECT_EQ(surface.Pixel(2, 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(surface.Pixel(9, 9), GetSysColor(COLOR_BTNSHADOW));
}

// ---- MakeDisabledGlyph

constexpr COLORREF back = 0x102030, highlight = 0x405060, shadow = 0x708090;

class DisabledGlyphTest : public ::testing::Test {
protected:
    DisabledGlyphTest() {
        source.SetSize(7, 5);
        Fill({0, 0, 7, 5}, clWhite);
        Fill({1, 1, 3, 2}, clBlack);  // two pixels
        Fill({4, 1, 5, 4}, clBlack);  // a column of three
        Fill({5, 2, 6, 3}, clBlack);  // and one below right of its top
        Fill({6, 4, 7, 5}, clBlack);  // the bottom-right corner
        Fill({2, 3, 3, 4}, 0x000001);  // nearly black is not black
        Fill({0, 4, 1, 5}, clLime);
    }
    void Fill(RECT rect, TColor colour) {
        source.Canvas().Brush.SetColor(colour);
        source.Canvas().FillRect(rect);
    }
    bool Masked(int x, int y, COLORREF mask) const {
        return x >= 0 && y >= 0 && source.Pixel(x, y) == mask;
    }
    void ExpectEmbossed(const TBitmap& result, COLORREF mask, bool withHighlight) {
        ASSERT_EQ(result.Width(), source.Width());
        ASSERT_EQ(result.Height(), source.Height());
        for (int y = 0; y < source.Height(); ++y) {
            for (int x = 0; x < source.Width(); ++x) {
                COLORREF expected = Masked(x, y, mask)                           ? shadow
                                    : withHighlight && Masked(x - 1, y - 1, mask) ? highlight
                                                                                   : back;
                ASSERT_EQ(result.Pixel(x, y), expected) << "at " << x << "," << y;
            }
        }
    }
    TBitmap source;
};

TEST_F(DisabledGlyphTest, TheMaskPixelsBecomeAShadowWithAHighlightBelowRight) {
    auto result = MakeDisabledGlyph(source, clBlack, TColor(back), TColor(highlight),
                                    TColor(shadow), true);
    ExpectEmbossed(*result, RGB(0, 0, 0), true);
    EXPECT_EQ(result->Pixel(2, 2), highlight);  // below right of (1, 1), not masked itself
    EXPECT_EQ(result->Pixel(5, 2), shadow);     // masked, and below right of a masked one
    EXPECT_EQ(result->Pixel(6, 3), highlight);
}

TEST_F(DisabledGlyphTest, WithoutHighlightOnlyTheShadow) {
    auto result = MakeDisabledGlyph(source, clBlack, TColor(back), TColor(highlight),
                                    TColor(shadow), false);
    ExpectEmbossed(*result, RGB(0, 0, 0), false);
}

TEST_F(DisabledGlyphTest, TheMaskColourIsTheOneGiven) {
    auto result = MakeDisabledGlyph(source, clLime, TColor(back), TColor(highlight),
                                    TColor(shadow), true);
    ExpectEmbossed(*result, RGB(0, 255, 0), true);
    EXPECT_EQ(result->Pixel(0, 4), shadow);
    EXPECT_EQ(result->Pixel(1, 1), back);  // black is not the mask colour now
}

TEST_F(DisabledGlyphTest, WithoutAnyMaskPixelAPlainGround) {
    auto result = MakeDisabledGlyph(source, clRed, TColor(back), TColor(highlight),
                                    TColor(shadow), true);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) ASSERT_EQ(result->Pixel(x, y), back);
}

TEST_F(DisabledGlyphTest, SystemColoursAsTheFlatButtonPassesThem) {
    auto result = MakeDisabledGlyph(source, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true);
    EXPECT_EQ(result->Pixel(0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(result->Pixel(1, 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(result->Pixel(3, 2), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(DisabledGlyphTest, TheSourceStaysAsItWasAndNothingIsLeftBehind) {
    std::array<COLORREF, 35> before{};
    for (int i = 0; i < 35; ++i) before[size_t(i)] = source.Pixel(i % 7, i / 7);
    long live = HandleCounts::Live(HandleKind::GdiObject);
    {
        auto result = MakeDisabledGlyph(source, clBlack, TColor(back), TColor(highlight),
                                        TColor(shadow), true);
        EXPECT_FALSE(result->Empty());
    }
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), live);
    for (int i = 0; i < 35; ++i) EXPECT_EQ(source.Pixel(i % 7, i / 7), before[size_t(i)]) << i;
}

TEST_F(DisabledGlyphTest, AnEmptySourceGivesAnEmptyBitmap) {
    TBitmap empty;
    auto result = MakeDisabledGlyph(empty, clBlack, TColor(back), TColor(highlight),
                                    TColor(shadow), true);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->Empty());
}

// ---- CalcGlyphLayout

// Stands in for DrawTextA so that the caption has a known size and the call is seen.
struct FakeText {
    static inline SIZE size{30, 13};
    static inline int calls = 0;
    static inline UINT format = 0;
    static inline RECT given{};
    static inline HDC dc = nullptr;
    static inline HGDIOBJ font = nullptr;
    static inline std::string text;

    static int WINAPI DrawTextA(HDC target, LPCSTR chars, int count, LPRECT rect, UINT flags) {
        ++calls;
        dc = target;
        format = flags;
        given = *rect;
        font = GetCurrentObject(target, OBJ_FONT);
        text.assign(chars, size_t(count));
        rect->right = rect->left + size.cx;
        rect->bottom = rect->top + size.cy;
        return size.cy;
    }
};

using Box = std::array<long, 4>;
using Spot = std::array<long, 2>;

struct Placed {
    Box text;
    Spot glyph;
};

class GlyphLayoutTest : public ::testing::Test {
protected:
    GlyphLayoutTest() {
        surface.SetSize(1, 1);
        glyph.SetSize(16, 16);
        strip.SetSize(64, 16);
        FakeText::calls = 0;
    }
    static platform::Calls Faked() {
        platform::Calls calls = platform::SystemCalls();
        calls.DrawTextA = &FakeText::DrawTextA;
        return calls;
    }
    Placed Lay(RECT client, TButtonLayout layout, int spacing, int margin, const TBitmap* image,
               const std::string& caption = "OK", int numGlyphs = 1, POINT offset = {0, 0}) {
        RECT text{-99, -99, -99, -99};
        POINT at{-99, -99};
        CalcGlyphLayout(surface.Canvas(), client, offset, layout, spacing, margin, image,
                        numGlyphs, caption, text, at);
        return {{text.left, text.top, text.right, text.bottom}, {at.x, at.y}};
    }

    platform::Calls calls_ = Faked();
    platform::ScopedOverride override_{calls_};
    TBitmap surface, glyph, strip;
    const RECT client{0, 0, 100, 40};  // the caption is 30 x 13, the glyph 16 x 16
};

TEST_F(GlyphLayoutTest, AutomaticMarginAndSpacingAreEachAThirdOfTheFreeSpace) {
    // Across: (100 - 16 - 30) div 3 = 18. Down: (40 - 16 - 13) div 3 = 3.
    Placed left = Lay(client, TButtonLayout::blGlyphLeft, -1, -1, &glyph);
    EXPECT_EQ(left.glyph, (Spot{18, 12}));
    EXPECT_EQ(left.text, (Box{52, 14, 82, 27}));
    Placed right = Lay(client, TButtonLayout::blGlyphRight, -1, -1, &glyph);
    EXPECT_EQ(right.glyph, (Spot{66, 12}));
    EXPECT_EQ(right.text, (Box{18, 14, 48, 27}));
    Placed top = Lay(client, TButtonLayout::blGlyphTop, -1, -1, &glyph);
    EXPECT_EQ(top.glyph, (Spot{42, 3}));
    EXPECT_EQ(top.text, (Box{35, 22, 65, 35}));
    Placed bottom = Lay(client, TButtonLayout::blGlyphBottom, -1, -1, &glyph);
    EXPECT_EQ(bottom.glyph, (Spot{42, 21}));
    EXPECT_EQ(bottom.text, (Box{35, 5, 65, 18}));
}

TEST_F(GlyphLayoutTest, AGivenSpacingWithAutomaticMarginCentresTheGroup) {
    // (100 - (16 + 4 + 30) + 1) div 2 = 25; (40 - (16 + 4 + 13) + 1) div 2 = 4.
    Placed left = Lay(client, TButtonLayout::blGlyphLeft, 4, -1, &glyph);
    EXPECT_EQ(left.glyph, (Spot{25, 12}));
    EXPECT_EQ(left.text, (Box{45, 14, 75, 27}));
    Placed right = Lay(client, TButtonLayout::blGlyphRight, 4, -1, &glyph);
    EXPECT_EQ(right.glyph, (Spot{59, 12}));
    EXPECT_EQ(right.text, (Box{25, 14, 55, 27}));
    Placed top = Lay(client, TButtonLayout::blGlyphTop, 4, -1, &glyph);
    EXPECT_EQ(top.glyph, (Spot{42, 4}));
    EXPECT_EQ(top.text, (Box{35, 24, 65, 37}));
}

TEST_F(GlyphLayoutTest, AGivenMarginWithAutomaticSpacingHalvesTheRest) {
    // (100 - (5 + 16) - 30) div 2 = 24; (40 - (5 + 16) - 13) div 2 = 3.
    Placed left = Lay(client, TButtonLayout::blGlyphLeft, -1, 5, &glyph);
    EXPECT_EQ(left.glyph, (Spot{5, 12}));
    EXPECT_EQ(left.text, (Box{45, 14, 75, 27}));
    Placed top = Lay(client, TButtonLayout::blGlyphTop, -1, 5, &glyph);
    EXPECT_EQ(top.glyph, (Spot{42, 5}));
    EXPECT_EQ(top.text, (Box{35, 24, 65, 37}));
    Placed bottom = Lay(client, TButtonLayout::blGlyphBottom, -1, 5, &glyph);
    EXPECT_EQ(bottom.glyph, (Spot{42, 19}));
    EXPECT_EQ(bottom.text, (Box{35, 3, 65, 16}));
}

TEST_F(GlyphLayoutTest, AGivenMarginAndSpacingAreUsedAsTheyAre) {
    EXPECT_EQ(Lay(client, TButtonLayout::blGlyphLeft, 4, 5, &glyph).text, (Box{25, 14, 55, 27}));
    Placed right = Lay(client, TButtonLayout::blGlyphRight, 4, 5, &glyph);
    EXPECT_EQ(right.glyph, (Spot{79, 12}));
    EXPECT_EQ(right.text, (Box{45, 14, 75, 27}));
    Placed top = Lay(client, TButtonLayout::blGlyphTop, 4, 5, &glyph);
    EXPECT_EQ(top.glyph, (Spot{42, 5}));
    EXPECT_EQ(top.text, (Box{35, 25, 65, 38}));
    Placed bottom = Lay(client, TButtonLayout::blGlyphBottom, 4, 5, &glyph);
    EXPECT_EQ(bottom.glyph, (Spot{42, 19}));
    EXPECT_EQ(bottom.text, (Box{35, 2, 65, 15}));
}

TEST_F(GlyphLayoutTest, DivisionsTruncateTowardZeroWhenTheClientIsTooSmall) {
    // (41 - 46) div 3 = -1 and (10 - 16 + 1) div 2 = -2, where flooring gives -2 and -3.
    Placed cramped = Lay({0, 0, 41, 10}, TButtonLayout::blGlyphLeft, -1, -1, &glyph);
    EXPECT_EQ(cramped.glyph, (Spot{-1, -2}));
    EXPECT_EQ(cramped.text, (Box{14, -1, 44, 12}));
    // (46 - 50 + 1) div 2 = -1.
    EXPECT_EQ(Lay({0, 0, 46, 40}, TButtonLayout::blGlyphLeft, 4, -1, &glyph).glyph,
              (Spot{-1, 12}));
}

TEST_F(GlyphLayoutTest, WithoutCaptionOrGlyphThereIsNoSpacing) {
    // No caption: a given spacing counts as 0, and so does an automatic one, before the
    // margin is worked out: (100 - 16 + 1) div 2 = 42, not (100 - 16) div 3.
    Placed given = Lay(client, TButtonLayout::blGlyphLeft, 7, 2, &glyph, "");
    EXPECT_EQ(given.glyph, (Spot{2, 12}));
    EXPECT_EQ(given.text, (Box{18, 20, 18, 20}));
    EXPECT_EQ(Lay(client, TButtonLayout::blGlyphLeft, -1, -1, &glyph, "").glyph, (Spot{42, 12}));
    // No glyph: the caption alone is centred, (100 - 30 + 1) div 2 = 35.
    Placed alone = Lay(client, TButtonLayout::blGlyphLeft, -1, -1, nullptr);
    EXPECT_EQ(alone.text, (Box{35, 14, 65, 27}));
    EXPECT_EQ(alone.glyph, (Spot{35, 20}));
    // An empty bitmap is no glyph either.
    TBitmap empty;
    EXPECT_EQ(Lay(client, TButtonLayout::blGlyphLeft, -1, -1, &empty).text, (Box{35, 14, 65, 27}));
}

TEST_F(GlyphLayoutTest, NothingToShowPutsAnEmptyCellInTheMiddle) {
    const RECT odd{0, 0, 101, 41};
    auto cell = [&](TButtonLayout layout) { return Lay(odd, layout, -1, -1, nullptr, "").text; };
    EXPECT_EQ(cell(TButtonLayout::blGlyphLeft), (Box{51, 21, 51, 21}));
    EXPECT_EQ(cell(TButtonLayout::blGlyphTop), (Box{51, 21, 51, 21}));
    EXPECT_EQ(cell(TButtonLayout::blGlyphRight), (Box{50, 21, 50, 21}));
    EXPECT_EQ(cell(TButtonLayout::blGlyphBottom), (Box{51, 20, 51, 20}));
    EXPECT_EQ(FakeText::calls, 0);  // an empty caption is not measured
}

TEST_F(GlyphLayoutTest, TheClientsCornerAndTheOffsetMoveEverything) {
    Placed moved = Lay({10, 20, 110, 60}, TButtonLayout::blGlyphLeft, -1, -1, &glyph, "OK", 1,
                       {1, 1});
    EXPECT_EQ(moved.glyph, (Spot{18 + 11, 12 + 21}));
    EXPECT_EQ(moved.text, (Box{52 + 11, 14 + 21, 82 + 11, 27 + 21}));
}

TEST_F(GlyphLayoutTest, OnlyOneImageOfAStripIsLaidOut) {
    Placed four = Lay(client, TButtonLayout::blGlyphLeft, -1, -1, &strip, "OK", 4);
    EXPECT_EQ(four.glyph, (Spot{18, 12}));
    EXPECT_EQ(four.text, (Box{52, 14, 82, 27}));
    // Two images of 32: (100 - 32 - 30) div 3 = 12.
    Placed two = Lay(client, TButtonLayout::blGlyphLeft, -1, -1, &strip, "OK", 2);
    EXPECT_EQ(two.glyph, (Spot{12, 12}));
    EXPECT_EQ(two.text, (Box{56, 14, 86, 27}));
}

TEST_F(GlyphLayoutTest, TheCaptionIsMeasuredOnOneLineInTheCanvasFont) {
    surface.Canvas().Font.SetName("Verdana");
    surface.Canvas().Font.SetHeight(-13);
    Lay({5, 0, 85, 40}, TButtonLayout::blGlyphTop, -1, -1, &glyph, "&Save");
    EXPECT_EQ(FakeText::calls, 1);
    EXPECT_EQ(FakeText::format, UINT(DT_CALCRECT | DT_SINGLELINE));
    EXPECT_EQ(FakeText::format, 0x420u);
    EXPECT_EQ(FakeText::text, "&Save");
    EXPECT_EQ(FakeText::dc, surface.Canvas().Handle());
    EXPECT_EQ(FakeText::font, surface.Canvas().Font.Handle());
    RECT given = FakeText::given;
    EXPECT_EQ((Box{given.left, given.top, given.right, given.bottom}), (Box{0, 0, 80, 0}));
}

// With the system's own text measuring: the cell is the caption's size, and the
// accelerator's ampersand takes no room.
TEST(GlyphLayoutMeasuringTest, TheCellHasTheSizeOfTheDrawnCaption) {
    TBitmap surface;
    surface.SetSize(1, 1);
    TCanvas& canvas = surface.Canvas();
    canvas.Font.SetName("Arial");
    canvas.Font.SetHeight(-20);
    SIZE plain = canvas.TextExtent("OK");
    RECT text{};
    POINT glyphPos{};
    CalcGlyphLayout(canvas, {0, 0, 200, 50}, {0, 0}, TButtonLayout::blGlyphLeft, -1, -1, nullptr,
                    1, "&OK", text, glyphPos);
    EXPECT_EQ(text.right - text.left, plain.cx);
    EXPECT_EQ(text.bottom - text.top, plain.cy);
    EXPECT_EQ(text.left, (200 - plain.cx + 1) / 2);
    canvas.Font.SetHeight(-10);
    RECT smaller{};
    CalcGlyphLayout(canvas, {0, 0, 200, 50}, {0, 0}, TButtonLayout::blGlyphLeft, -1, -1, nullptr,
                    1, "&OK", smaller, glyphPos);
    EXPECT_LT(smaller.bottom - smaller.top, plain.cy);
}

}  // namespace
