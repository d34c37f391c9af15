#include "SoftExtended.h"

#include <bit>
#include <cmath>

namespace {

// An unsigned 128-bit integer.
struct Wide {
    std::uint64_t hi = 0, lo = 0;

    bool IsZero() const { return hi == 0 && lo == 0; }
};

constexpr std::uint64_t topBit = std::uint64_t(1) << 63;

Wide Multiply(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t mask = 0xFFFFFFFF;
    std::uint64_t aLo = a & mask, aHi = a >> 32, bLo = b & mask, bHi = b >> 32;
    std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
    std::uint64_t middle = (ll >> 32) + (lh & mask) + (hl & mask);
    return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & mask)};
}

Wide ShiftLeft(Wide w, int count) {
    if (count == 0) return w;
    if (count >= 64) return {w.lo << (count - 64), 0};
    return {(w.hi << count) | (w.lo >> (64 - count)), w.lo << count};
}

// Shifts right; sticky collects whether anything non-zero fell out.
Wide ShiftRight(Wide w, int count, bool& sticky) {
    if (count == 0) return w;
    if (count >= 128) {
        sticky = sticky || !w.IsZero();
        return {};
    }
    if (count >= 64) {
        int rest = count - 64;
        std::uint64_t lost = rest ? (w.lo | (w.hi << (64 - rest))) : w.lo;
        sticky = sticky || lost != 0;
        return {0, rest ? w.hi >> rest : w.hi};
    }
    sticky = sticky || (w.lo << (64 - count)) != 0;
    return {w.hi >> count, (w.lo >> count) | (w.hi << (64 - count))};
}

}  // namespace

TSoftExtended TSoftExtended::Rounded(bool negative, std::uint64_t hi, std::uint64_t lo,
                                     std::int32_t exponent, bool sticky) {
    TSoftExtended result;
    Wide wide{hi, lo};
    if (wide.IsZero()) return result;  // callers never pass a lone remainder
    int shift = wide.hi ? std::countl_zero(wide.hi) : 64 + std::countl_zero(wide.lo);
    // A remainder only comes with at least 65 significant bits, so this shift is below
    // 64 then and the remainder stays below the rounding position.
    wide = ShiftLeft(wide, shift);
    std::uint64_t mantissa = wide.hi;
    std::int32_t resultExponent = exponent - shift + 127;
    bool up = wide.lo > topBit || (wide.lo == topBit && (sticky || (mantissa & 1)));
    if (up && ++mantissa == 0) {
        mantissa = topBit;
        ++resultExponent;
    }
    result.negative_ = negative;
    result.exponent_ = resultExponent;
    result.mantissa_ = mantissa;
    return result;
}

TSoftExtended::TSoftExtended(double value) {
    if (value == 0) return;
    int exponent = 0;
    double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
    negative_ = value < 0;
    mantissa_ = std::uint64_t(std::ldexp(fraction, 64));  // exact: 53 bits
    exponent_ = exponent - 1;
}

TSoftExtended TSoftExtended::FromInteger(std::int64_t value) {
    bool negative = value < 0;
    std::uint64_t magnitude = negative ? 0 - std::uint64_t(value) : std::uint64_t(value);
    return Rounded(negative, 0, magnitude, 0, false);
}

TSoftExtended::operator double() const {
    if (IsZero()) return negative_ ? -0.0 : 0.0;
    std::uint64_t mantissa = mantissa_ >> 11;
    std::uint64_t rest = mantissa_ & 0x7FF;
    std::int32_t exponent = exponent_;
    if (rest > 0x400 || (rest == 0x400 && (mantissa & 1))) {
        if (++mantissa == std::uint64_t(1) << 53) {
            mantissa >>= 1;
            ++exponent;
        }
    }
    double magnitude = std::ldexp(double(mantissa), exponent - 52);
    return negative_ ? -magnitude : magnitude;
}

std::int64_t TSoftExtended::RoundToInteger() const {
    if (IsZero()) return 0;
    int shift = 63 - exponent_;  // fraction bits in the mantissa
    std::uint64_t magnitude;
    if (shift <= 0) {
        magnitude = mantissa_ << -shift;
    } else if (shift > 64) {
        magnitude = 0;  // below one half
    } else {
        std::uint64_t whole = shift == 64 ? 0 : mantissa_ >> shift;
        std::uint64_t fraction =
            shift == 64 ? mantissa_ : mantissa_ & ((std::uint64_t(1) << shift) - 1);
        std::uint64_t half = std::uint64_t(1) << (shift - 1);
        magnitude = whole + ((fraction > half || (fraction == half && (whole & 1))) ? 1 : 0);
    }
    return negative_ ? -std::int64_t(magnitude) : std::int64_t(magnitude);
}

int TSoftExtended::CompareMagnitude(const TSoftExtended& a, const TSoftExtended& b) {
    if (a.IsZero() || b.IsZero()) return int(!a.IsZero()) - int(!b.IsZero());
    if (a.exponent_ != b.exponent_) return a.exponent_ < b.exponent_ ? -1 : 1;
    if (a.mantissa_ != b.mantissa_) return a.mantissa_ < b.mantissa_ ? -1 : 1;
    return 0;
}

int TSoftExtended::Compare(const TSoftExtended& a, const TSoftExtended& b) {
    auto sign = [](const TSoftExtended& x) { return x.IsZero() ? 0 : x.negative_ ? -1 : 1; };
    int signA = sign(a), signB = sign(b);
    if (signA != signB) return signA < signB ? -1 : 1;
    int magnitude = CompareMagnitude(a, b);
    return signA < 0 ? -magnitude : magnitude;
}

TSoftExtended operator+(const TSoftExtended& a, const TSoftExtended& b) {
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    bool aLarger = TSoftExtended::CompareMagnitude(a, b) >= 0;
    const TSoftExtended& large = aLarger ? a : b;
    const TSoftExtended& small = aLarger ? b : a;
    // Both as 128-bit integers on the larger one's scale: the large mantissa in the high
    // half, the small one shifted down by the difference of the exponents.
    std::int32_t exponent = large.exponent_ - 63 - 64;
    bool sticky = false;
    Wide big{large.mantissa_, 0};
    Wide little = ShiftRight(Wide{small.mantissa_, 0}, large.exponent_ - small.exponent_, sticky);
    if (large.negative_ == small.negative_) {
        Wide sum{big.hi + little.hi, big.lo + little.lo};
        bool carry = sum.hi < big.hi;
        if (sum.lo < big.lo && ++sum.hi == 0) carry = true;
        if (carry) {
            sum = ShiftRight(sum, 1, sticky);
            sum.hi |= topBit;
            ++exponent;
        }
        return TSoftExtended::Rounded(large.negative_, sum.hi, sum.lo, exponent, sticky);
    }
    // A remainder lost from the smaller one makes the true difference a little less
    // than big - little: one unit less, plus a remainder.
    Wide difference{big.hi - little.hi, big.lo - little.lo};
    if (big.lo < little.lo) --difference.hi;
    if (sticky) {
        if (difference.lo == 0) --difference.hi;
        --difference.lo;
    }
    if (difference.IsZero() && !sticky) return TSoftExtended();
    return TSoftExtended::Rounded(large.negative_, difference.hi, difference.lo, exponent,
                                  sticky);
}

TSoftExtended operator-(const TSoftExtended& a, const TSoftExtended& b) {
    TSoftExtended negated = b;
    negated.negative_ = !negated.negative_;
    return a + negated;
}

TSoftExtended operator*(const TSoftExtended& a, const TSoftExtended& b) {
    if (a.IsZero() || b.IsZero()) return TSoftExtended();
    Wide product = Multiply(a.mantissa_, b.mantissa_);
    return TSoftExtended::Rounded(a.negative_ != b.negative_, product.hi, product.lo,
                                  (a.exponent_ - 63) + (b.exponent_ - 63), false);
}

TSoftExtended operator/(const TSoftExtended& a, const TSoftExtended& b) {
    if (a.IsZero()) return TSoftExtended();
    // Long division of the mantissas, one quotient bit per step: the first is the whole
    // part (0 or 1), so 66 steps give at least 65 significant bits, one past the
    // rounding position; the remainder supplies the sticky bit.
    constexpr int steps = 66;
    std::uint64_t remainder = a.mantissa_;
    bool remainderTop = false;  // the 65th bit of the remainder
    Wide quotient;
    for (int step = 0; step < steps; ++step) {
        quotient = ShiftLeft(quotient, 1);
        if (remainderTop || remainder >= b.mantissa_) {
            remainder -= b.mantissa_;
            quotient.lo |= 1;
        }
        remainderTop = (remainder & topBit) != 0;
        remainder <<= 1;
    }
    bool sticky = remainderTop || remainder != 0;
    return TSoftExtended::Rounded(a.negative_ != b.negative_, quotient.hi, quotient.lo,
                                  a.exponent_ - b.exponent_ - (steps - 1), sticky);
}
