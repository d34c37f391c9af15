// The embossed glyph a disabled flat button shows (FlatDraw).
#include <gtest/gtest.h>

#include "Bitmap.h"
#include "FlatDraw.h"
#include "HandleCounts.h"

namespace {

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

}  // namespace
