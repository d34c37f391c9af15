// Where a flat button puts its glyph and caption (FlatDraw).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Bitmap.h"
#include "FlatDraw.h"
#include "Platform.h"

namespace {

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
TEST_F(GlyphLayoutTest, MeasuredByTheSystemTheCellHasTheSizeOfTheDrawnCaption) {
    platform::ScopedOverride measuring{platform::SystemCalls()};
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
