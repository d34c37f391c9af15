// The colour conversions: values on the integer scale, exact halves, the apparent halves
// that only the 64-bit mantissa decides, round trips, and independence from the state
// the x87 unit was left in.
#include <gtest/gtest.h>

#include <cfloat>

#include "HSLUtils.h"

namespace {

THSLScaled Scaled(std::int32_t h, std::int32_t s, std::int32_t l) { return {h, s, l}; }

// Sets the scale for one test and puts the program's back.
class ScaleOverride {
public:
    explicit ScaleOverride(std::int32_t scale) : saved_(HSLScale) { HSLScale = scale; }
    ~ScaleOverride() { HSLScale = saved_; }

private:
    std::int32_t saved_;
};

TEST(HSLUtilsTest, PrimaryAndGreyColoursOnTheScale) {
    EXPECT_EQ(ColorToHSLScaled(0x0000FF), Scaled(0, 240, 120));    // red
    EXPECT_EQ(ColorToHSLScaled(0x00FF00), Scaled(80, 240, 120));   // green: 1/3 of 239
    EXPECT_EQ(ColorToHSLScaled(0xFF0000), Scaled(159, 240, 120));  // blue: 2/3 of 239
    EXPECT_EQ(ColorToHSLScaled(0xFF00FF), Scaled(199, 240, 120));  // magenta: -1/6 wraps to 5/6
    EXPECT_EQ(ColorToHSLScaled(0xFFFFFF), Scaled(0, 0, 240));
    EXPECT_EQ(ColorToHSLScaled(0x000000), Scaled(0, 0, 0));
    EXPECT_EQ(ColorToHSLScaled(0xC0C0C0), Scaled(0, 0, 181));
    // Saturation takes the other formula above half lightness.
    EXPECT_EQ(ColorToHSLScaled(0x8396A0), Scaled(26, 32, 137));
    EXPECT_EQ(HSLScaledToColor(0, 240, 120), 0x0000FF);
    EXPECT_EQ(HSLScaledToColor(0, 0, 240), 0xFFFFFF);
}

TEST(HSLUtilsTest, TheTopByteIsIgnoredOnInputAndZeroOnOutput) {
    EXPECT_EQ(ColorToHSLScaled(TColor(0x7F0000FF)), Scaled(0, 240, 120));
    EXPECT_EQ(ColorToHSLScaled(TColor(0xFF0000FF)), Scaled(0, 240, 120));
    // Out-of-range fractions are not refused: each channel is packed by its low byte.
    // 245 of 240 is 260.3125 of 255.
    EXPECT_EQ(HSLScaledToColor(0, 0, 245), 0x040404);
}

TEST(HSLUtilsTest, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(HSLToColor(0, 0, 0.5), 0x808080);  // 127.5
    EXPECT_EQ(HSLToColor(0, 0, 1.5), 0x7E7E7E);  // 382.5: 382, low byte 0x7E (not 383)
    // Cyan's hue is exactly one half: 119.5 of 239.
    EXPECT_EQ(ColorToHSLScaled(0xFFFF00).H, 120);
}

TEST(HSLUtilsTest, ApparentHalvesAreDecidedWithA64BitMantissa) {
    // 200/240 is the double 0.8333333333333334; 255 times that is 212.5000000000000094
    // with a 64-bit mantissa (213) but 212.5 as a double (212).
    EXPECT_EQ(HSLScaledToColor(0, 0, 200), 0xD5D5D5);
    EXPECT_EQ(HSLToColor(0, 0, 200.0 / 240), 0xD5D5D5);
    EXPECT_EQ(HSLScaledToColor(0, 240, 100), 0x0000D5);
    // Values where plain double arithmetic gives a neighbour instead.
    EXPECT_EQ(ColorToHSLScaled(0x00EF49), Scaled(67, 240, 112));  // 67.5 in exact arithmetic
    EXPECT_EQ(ColorToHSLScaled(0x00EFB5), Scaled(49, 240, 112));
    EXPECT_EQ(ColorToHSLScaled(0x23239D), Scaled(0, 152, 90));
    EXPECT_EQ(HSLScaledToColor(0, 16, 180), 0xBBBBC4);
    EXPECT_EQ(HSLScaledToColor(0, 24, 80), 0x4C4C5D);
    EXPECT_EQ(HSLScaledToColor(0, 48, 90), 0x4C4C73);
}

#if LDBL_MANT_DIG == 64 && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
TEST(HSLUtilsTest, TheResultDoesNotDependOnThePrecisionTheX87UnitWasLeftIn) {
    unsigned short saved, during, after;
    __asm__ __volatile__("fnstcw %0" : "=m"(saved));
    // A 53-bit mantissa and rounding toward zero, as another module might leave it.
    during = static_cast<unsigned short>((saved & ~0x0F00u) | 0x0200u | 0x0C00u);
    __asm__ __volatile__("fldcw %0" : : "m"(during));
    TColor grey = HSLScaledToColor(0, 0, 200);
    TColor red = HSLScaledToColor(0, 240, 100);
    THSLScaled hue = ColorToHSLScaled(0x00EF49);
    THSL fractions = ColorToHSL(0x00EF49);
    __asm__ __volatile__("fnstcw %0" : "=m"(after));
    __asm__ __volatile__("fldcw %0" : : "m"(saved));
    EXPECT_EQ(grey, 0xD5D5D5);
    EXPECT_EQ(red, 0x0000D5);
    EXPECT_EQ(hue, Scaled(67, 240, 112));
    EXPECT_EQ(fractions.H, ColorToHSL(0x00EF49).H);
    EXPECT_EQ(after, during);  // the caller's setting is given back
}
#endif

TEST(HSLUtilsTest, GreysHaveNoHueOrSaturationAndComeBackUnchanged) {
    for (std::uint32_t v = 0; v < 256; ++v) {
        TColor grey = TColor(v | v << 8 | v << 16);
        THSL hsl = ColorToHSL(grey);
        ASSERT_EQ(hsl.H, 0) << v;
        ASSERT_EQ(hsl.S, 0) << v;
        ASSERT_EQ(HSLToColor(hsl.H, hsl.S, hsl.L), grey) << v;
        ASSERT_EQ(ColorToHSLScaled(grey).S, 0) << v;
    }
}

TEST(HSLUtilsTest, EveryColourComesBackFromItsFractions) {
    int failures = 0;
    for (TColor c = 0; c < 0x1000000; ++c) {
        THSL hsl = ColorToHSL(c);
        bool inRange = hsl.H >= 0 && hsl.H < 1 && hsl.S >= 0 && hsl.S <= 1 && hsl.L >= 0 &&
                       hsl.L <= 1;
        if ((!inRange || HSLToColor(hsl.H, hsl.S, hsl.L) != c) && ++failures <= 5)
            ADD_FAILURE() << std::hex << c;
    }
    EXPECT_EQ(failures, 0);
}

TEST(HSLUtilsTest, TheIntegerScaleIsHSLScale) {
    ScaleOverride scale(100);
    EXPECT_EQ(ColorToHSLScaled(0x0000FF), Scaled(0, 100, 50));
    EXPECT_EQ(ColorToHSLScaled(0xFF0000), Scaled(66, 100, 50));  // 2/3 of 99
    EXPECT_EQ(HSLScaledToColor(0, 100, 50), 0x0000FF);
    EXPECT_EQ(HSLScaledToColor(0, 0, 100), 0xFFFFFF);
}

}  // namespace
