// The flat controls' derived shades (FlatDraw): lighter and darker by an amount, with
// a fallback colour and system colours resolved first.
#include <gtest/gtest.h>

#include "FlatDraw.h"

namespace {

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

}  // namespace
