// The colour conversions, written once for any number type with the x87 extended
// format's precision: long double with mingw-w64, TSoftExtended where long double is
// only a double. HSLUtils picks one; the tests run both and compare.
//
// Every right-hand side is evaluated in Extended and every named value (r, g, b, max,
// min, d, m1, m2, a shifted hue, a channel value v, the fractions) is stored as a
// double; a product that becomes an integer is rounded from Extended directly, half to
// even. That is what decides the apparent halves: lightness 200 of 240 is the double
// 0.8333333333333334, and 255 times it is 212.50000000000000944 with a 64-bit mantissa,
// which rounds to 213, but exactly 212.5 as a double, which would round to 212.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "HSLUtils.h"
#include "SoftExtended.h"

namespace hsl_arithmetic {

// Nearest integer, ties to even. For long double this is the x87 unit's rounding, which
// the caller has set to nearest-even.
inline std::int64_t RoundHalfEven(long double value) { return std::llrint(value); }
inline std::int64_t RoundHalfEven(const TSoftExtended& value) { return value.RoundToInteger(); }

inline std::uint32_t Byte(std::int64_t value) { return std::uint32_t(value) & 0xFF; }

template <class Extended>
THSL ToHSL(TColor rgb) {
    const std::uint32_t c = std::uint32_t(rgb);
    double r = double(Extended(c & 0xFF) / 255);
    double g = double(Extended((c >> 8) & 0xFF) / 255);
    double b = double(Extended((c >> 16) & 0xFF) / 255);
    double max = std::max(r, std::max(g, b));
    double min = std::min(r, std::min(g, b));
    THSL hsl;
    hsl.L = double((Extended(max) + min) / 2);
    if (max == min) return hsl;
    double d = double(Extended(max) - min);
    hsl.S = hsl.L < 0.5 ? double(d / (Extended(max) + min))
                        : double(d / (2 - Extended(max) - min));
    // In this order: red wins a tie with green or blue, green one with blue.
    if (r == max)
        hsl.H = double((Extended(g) - b) / d);
    else if (g == max)
        hsl.H = double(2 + (Extended(b) - r) / d);
    else
        hsl.H = double(4 + (Extended(r) - g) / d);
    hsl.H = double(Extended(hsl.H) / 6);
    if (hsl.H < 0) hsl.H = double(Extended(hsl.H) + 1);
    return hsl;
}

template <class Extended>
TColor FromHSL(double h, double s, double l) {
    if (s == 0) {
        std::uint32_t v = Byte(RoundHalfEven(Extended(l) * 255));
        return TColor(v | v << 8 | v << 16);
    }
    double m2 = l <= 0.5 ? double(Extended(l) * (1 + Extended(s)))
                         : double(Extended(l) + s - Extended(l) * s);
    double m1 = double(2 * Extended(l) - m2);
    auto channel = [m1, m2](double hue) {
        if (hue < 0)
            hue = double(Extended(hue) + 1);
        else if (hue > 1)
            hue = double(Extended(hue) - 1);
        double v;
        if (6 * Extended(hue) < 1)
            v = double(m1 + (Extended(m2) - m1) * hue * 6);
        else if (2 * Extended(hue) < 1)
            v = m2;
        else if (3 * Extended(hue) < 2)
            v = double(m1 + (Extended(m2) - m1) * (Extended(2) / 3 - hue) * 6);
        else
            v = m1;
        // Out-of-range fractions are packed by their low byte, like any other.
        return Byte(RoundHalfEven(Extended(v) * 255));
    };
    std::uint32_t red = channel(double(h + Extended(1) / 3));
    std::uint32_t green = channel(h);
    std::uint32_t blue = channel(double(h - Extended(1) / 3));
    return TColor(red | green << 8 | blue << 16);
}

template <class Extended>
THSLScaled ToHSLScaled(TColor rgb, std::int32_t scale) {
    THSL hsl = ToHSL<Extended>(rgb);
    THSLScaled scaled;
    scaled.H = std::int32_t(RoundHalfEven(Extended(hsl.H) * (scale - 1)));
    scaled.S = std::int32_t(RoundHalfEven(Extended(hsl.S) * scale));
    scaled.L = std::int32_t(RoundHalfEven(Extended(hsl.L) * scale));
    return scaled;
}

template <class Extended>
TColor FromHSLScaled(std::int32_t h, std::int32_t s, std::int32_t l, std::int32_t scale) {
    return FromHSL<Extended>(double(Extended(h) / (scale - 1)), double(Extended(s) / scale),
                             double(Extended(l) / scale));
}

}  // namespace hsl_arithmetic
