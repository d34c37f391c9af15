#include "HSLUtils.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

std::int32_t HSLScale = 240;

// The arithmetic. Every right-hand side is evaluated in Extended and every named value
// (r, g, b, max, min, d, m1, m2, a shifted hue, a channel value v, the fractions) is
// stored as a double; a product that becomes an integer is rounded from Extended
// directly, half to even. That is what decides the apparent halves: lightness 200 of
// 240 is the double 0.8333333333333334, and 255 times it is 212.50000000000000944 with
// a 64-bit mantissa (rounds to 213) but exactly 212.5 as a double (would round to 212).
//
// With mingw-w64 on x86 long double is the x87 80-bit format. MSVC has no such type:
// there Extended is double, and the integer rounding is still exact (see RoundProduct),
// but a stored intermediate can differ from the 80-bit result in its last bit, which
// shows only when a product then lands exactly on a half.
namespace {

#if LDBL_MANT_DIG == 64
using Extended = long double;
#define KITBAG_EXTENDED 1
#else
using Extended = double;
#define KITBAG_EXTENDED 0
#endif

#if defined(__GNUC__)
#define KITBAG_NOINLINE __attribute__((noinline))
#elif defined(_MSC_VER)
#define KITBAG_NOINLINE __declspec(noinline)
#else
#define KITBAG_NOINLINE
#endif

#if KITBAG_EXTENDED && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The x87 unit rounds every result to the precision in its control word, and some
// modules loaded into a process lower it (graphics runtimes are known to). For the
// conversions it is set to a 64-bit mantissa and round-to-nearest-even, and put back
// afterwards. The arithmetic runs in separate non-inlined functions so that none of it
// is moved across the switch.
class ExtendedPrecision {
public:
    ExtendedPrecision() {
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
        // Precision control (bits 8-9) 11 = 64 bits; rounding control (bits 10-11) 00.
        unsigned short wanted = static_cast<unsigned short>((saved_ & ~0x0F00u) | 0x0300u);
        if (wanted != saved_) __asm__ __volatile__("fldcw %0" : : "m"(wanted));
    }
    ~ExtendedPrecision() {
        unsigned short current;
        __asm__ __volatile__("fnstcw %0" : "=m"(current));
        if (current != saved_) __asm__ __volatile__("fldcw %0" : : "m"(saved_));
    }
    ExtendedPrecision(const ExtendedPrecision&) = delete;
    ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

private:
    unsigned short saved_;
};
#else
// Elsewhere the floating-point environment is the compiler's: double arithmetic with
// the default round-to-nearest-even.
class ExtendedPrecision {};
#endif

// The product of a stored double and a small integer, rounded half to even. The exact
// product of a 53-bit double and an integer below 2^11 fits a 64-bit mantissa, so the
// Extended product is exact; without Extended, fma recovers the exact remainder of the
// double product, which settles a product that rounds to a half in double.
std::int64_t RoundProduct(double value, std::int32_t factor) {
#if KITBAG_EXTENDED
    return std::llrint(Extended(value) * factor);
#else
    double product = value * factor;
    double remainder = std::fma(value, double(factor), -product);
    double rounded = std::nearbyint(product);
    if (product - rounded == 0.5 && remainder > 0) rounded += 1;
    else if (rounded - product == 0.5 && remainder < 0) rounded -= 1;
    return std::int64_t(rounded);
#endif
}

std::uint32_t Byte(std::int64_t value) { return std::uint32_t(value) & 0xFF; }

KITBAG_NOINLINE THSL ToHSL(TColor rgb) {
    std::uint32_t c = std::uint32_t(rgb);
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

KITBAG_NOINLINE TColor FromHSL(double h, double s, double l) {
    if (s == 0) {
        std::uint32_t v = Byte(RoundProduct(l, 255));
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
        return Byte(RoundProduct(v, 255));
    };
    std::uint32_t red = channel(double(h + Extended(1) / 3));
    std::uint32_t green = channel(h);
    std::uint32_t blue = channel(double(h - Extended(1) / 3));
    return TColor(red | green << 8 | blue << 16);
}

KITBAG_NOINLINE THSLScaled ToHSLScaled(TColor rgb) {
    THSL hsl = ToHSL(rgb);
    THSLScaled scaled;
    scaled.H = std::int32_t(RoundProduct(hsl.H, HSLScale - 1));
    scaled.S = std::int32_t(RoundProduct(hsl.S, HSLScale));
    scaled.L = std::int32_t(RoundProduct(hsl.L, HSLScale));
    return scaled;
}

KITBAG_NOINLINE TColor FromHSLScaled(std::int32_t h, std::int32_t s, std::int32_t l) {
    return FromHSL(double(Extended(h) / (HSLScale - 1)), double(Extended(s) / HSLScale),
                   double(Extended(l) / HSLScale));
}

}  // namespace

THSL ColorToHSL(TColor rgb) {
    ExtendedPrecision precision;
    return ToHSL(rgb);
}

TColor HSLToColor(double h, double s, double l) {
    ExtendedPrecision precision;
    return FromHSL(h, s, l);
}

THSLScaled ColorToHSLScaled(TColor rgb) {
    ExtendedPrecision precision;
    return ToHSLScaled(rgb);
}

TColor HSLScaledToColor(std::int32_t h, std::int32_t s, std::int32_t l) {
    ExtendedPrecision precision;
    return FromHSLScaled(h, s, l);
}
