// The flat controls' frame rings (FlatDraw), pixel by pixel.
#include <gtest/gtest.h>

#include "Bitmap.h"
#include "FlatDraw.h"

namespace {

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

class DrawFrame3DTest : public ::testing::Test {
protected:
    DrawFrame3DTest() {
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

TEST_F(DrawFrame3DTest, RingsNestOnePixelApartWithTheCornersOfTheBottomColour) {
    const RECT rect{3, 2, 17, 13};
    DrawFrame3D(surface.Canvas(), rect, TColor(top), TColor(bottom), 3);
    ExpectRings(rect, 3);
    EXPECT_EQ(surface.Pixel(3, 2), top);       // top-left
    EXPECT_EQ(surface.Pixel(16, 2), bottom);   // top-right
    EXPECT_EQ(surface.Pixel(3, 12), bottom);   // bottom-left
    EXPECT_EQ(surface.Pixel(16, 12), bottom);  // bottom-right
    EXPECT_EQ(surface.Pixel(5, 4), top);       // the third ring's top-left
}

TEST_F(DrawFrame3DTest, OneRingWithOnePixelLinesWhateverThePenWidthWas) {
    surface.Canvas().Pen.SetWidth(4);
    const RECT rect{0, 0, 20, 16};
    DrawFrame3D(surface.Canvas(), rect, TColor(top), TColor(bottom), 1);
    ExpectRings(rect, 1);
    EXPECT_EQ(surface.Canvas().Pen.Width(), 1);
}

TEST_F(DrawFrame3DTest, WidthZeroDrawsNothing) {
    DrawFrame3D(surface.Canvas(), {0, 0, 20, 16}, TColor(top), TColor(bottom), 0);
    ExpectRings({0, 0, 20, 16}, 0);
}

TEST_F(DrawFrame3DTest, SystemColoursAreDrawnAsTheSystemHasThem) {
    DrawFrame3D(surface.Canvas(), {2, 2, 10, 10}, clBtnHighlight, clBtnShadow, 1);
    EXPECT_EQ(surface.Pixel(2, 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(surface.Pixel(9, 9), GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace
