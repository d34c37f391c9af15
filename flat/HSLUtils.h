// Colours between red/green/blue and hue/saturation/lightness, as fractions and on an
// integer scale. The flat controls derive their hot, pressed and border shades through
// these, and a shade must come out the same to the bit wherever it is computed, so the
// arithmetic is fixed: every expression is evaluated with a 64-bit mantissa and stored
// as a double, and products become integers by rounding half to even (HSLArithmetic.h).
//
// The RGB values are TColor-shaped plain colours: red in the lowest byte, then green,
// then blue; the top byte is ignored on input and zero on output. System colours must be
// resolved (ColorToRGB) before they get here.
#pragma once

#include <cstdint>

#include "Types.h"

// The integer scale: hue runs 0..HSLScale-1, saturation and lightness 0..HSLScale.
extern std::int32_t HSLScale;

// Hue in [0, 1), saturation and lightness in [0, 1].
struct THSL {
    double H = 0, S = 0, L = 0;
};

// The same on the HSLScale scale.
struct THSLScaled {
    std::int32_t H = 0, S = 0, L = 0;
    bool operator==(const THSLScaled&) const = default;
};

THSL ColorToHSL(TColor rgb);
TColor HSLToColor(double h, double s, double l);
THSLScaled ColorToHSLScaled(TColor rgb);
TColor HSLScaledToColor(std::int32_t h, std::int32_t s, std::int32_t l);
