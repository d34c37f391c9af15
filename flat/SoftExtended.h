// Numbers in the x87 extended format's precision, computed with integers: a 64-bit
// mantissa, every result rounded to nearest with ties to even. The colour conversions
// use it where long double is no wider than double (MSVC), so that they give the same
// bits there as the x87 unit gives with mingw-w64.
//
// Finite values of moderate size only: no infinities, NaNs or subnormal results, and no
// division by zero; the conversions never come near any of these.
#pragma once

#include <concepts>
#include <cstdint>

class TSoftExtended {
public:
    TSoftExtended() = default;  // zero
    TSoftExtended(double value);
    template <std::integral Integer>
    TSoftExtended(Integer value) : TSoftExtended(FromInteger(std::int64_t(value))) {}

    // Rounded to the nearest double, ties to even.
    explicit operator double() const;
    // The nearest integer, ties to even; the value must fit.
    std::int64_t RoundToInteger() const;

    bool IsZero() const { return mantissa_ == 0; }
    bool Negative() const { return negative_; }
    // The value is Mantissa() * 2^(Exponent() - 63); the mantissa's top bit is set.
    std::int32_t Exponent() const { return exponent_; }
    std::uint64_t Mantissa() const { return mantissa_; }

    friend TSoftExtended operator+(const TSoftExtended& a, const TSoftExtended& b);
    friend TSoftExtended operator-(const TSoftExtended& a, const TSoftExtended& b);
    friend TSoftExtended operator*(const TSoftExtended& a, const TSoftExtended& b);
    friend TSoftExtended operator/(const TSoftExtended& a, const TSoftExtended& b);
    friend bool operator==(const TSoftExtended& a, const TSoftExtended& b) {
        return Compare(a, b) == 0;
    }
    friend bool operator<(const TSoftExtended& a, const TSoftExtended& b) {
        return Compare(a, b) < 0;
    }
    friend bool operator>(const TSoftExtended& a, const TSoftExtended& b) {
        return Compare(a, b) > 0;
    }

private:
    static TSoftExtended FromInteger(std::int64_t value);
    // The value (hi * 2^64 + lo + sticky) * 2^exponent, rounded to 64 bits; sticky stands
    // for a non-zero remainder below the lowest bit of lo.
    static TSoftExtended Rounded(bool negative, std::uint64_t hi, std::uint64_t lo,
                                 std::int32_t exponent, bool sticky);
    static int Compare(const TSoftExtended& a, const TSoftExtended& b);
    static int CompareMagnitude(const TSoftExtended& a, const TSoftExtended& b);

    bool negative_ = false;
    std::int32_t exponent_ = 0;
    std::uint64_t mantissa_ = 0;  // 0 for zero
};
