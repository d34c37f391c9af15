#include "HSLUtils.h"

#include <cfloat>

#include "HSLArithmetic.h"

std::int32_t HSLScale = 240;

namespace {

#if LDBL_MANT_DIG == 64
using Extended = long double;
#else
// MSVC: long double is a double, so the 64-bit mantissa is computed in integers.
using Extended = TSoftExtended;
#endif

#if defined(__GNUC__)
#define KITBAG_NOINLINE __attribute__((noinline))
#elif defined(_MSC_VER)
#define KITBAG_NOINLINE __declspec(noinline)
#else
#define KITBAG_NOINLINE
#endif

#if LDBL_MANT_DIG == 64 && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The x87 unit rounds every result to the precision in its control word, and modules
// loaded into a process may lower it (graphics runtimes are known to). For the
// conversions it is set to a 64-bit mantissa and round-to-nearest-even, and put back
// afterwards. The arithmetic runs in functions that are not inlined, so none of it is
// moved across the switch.
class ExtendedPrecision {
public:
    ExtendedPrecision() {
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
        // Precision control (bits 8-9) 11: 64 bits; rounding control (bits 10-11) 00.
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
class ExtendedPrecision {};
#endif

KITBAG_NOINLINE THSL ToHSL(TColor rgb) { return hsl_arithmetic::ToHSL<Extended>(rgb); }

KITBAG_NOINLINE TColor FromHSL(double h, double s, double l) {
    return hsl_arithmetic::FromHSL<Extended>(h, s, l);
}

KITBAG_NOINLINE THSLScaled ToHSLScaled(TColor rgb) {
    return hsl_arithmetic::ToHSLScaled<Extended>(rgb, HSLScale);
}

KITBAG_NOINLINE TColor FromHSLScaled(std::int32_t h, std::int32_t s, std::int32_t l) {
    return hsl_arithmetic::FromHSLScaled<Extended>(h, s, l, HSLScale);
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
