// The integer stand-in for the x87 extended format, used where long double is only a
// double (MSVC). Here long double is the x87 format, so each operation can be held
// against the hardware: same bits, every time; and the colour conversions built on it
// must give the same colours as the ones the program uses.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

#include "HSLArithmetic.h"
#include "HSLUtils.h"
#include "SoftExtended.h"

#if LDBL_MANT_DIG == 64

namespace {

struct Bits {
    bool negative;
    int exponent;
    std::uint64_t mantissa;
    bool operator==(const Bits&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Bits& bits) {
    return out << (bits.negative ? "-" : "+") << std::hex << bits.mantissa << std::dec << "p"
               << bits.exponent;
}

// Zero's sign plays no part in the conversions, so both zeros compare equal here.
Bits Of(long double x) {
    if (x == 0) return {false, 0, 0};
    int exponent = 0;
    long double fraction = std::frexp(std::fabs(x), &exponent);
    return {std::signbit(x), exponent - 1, std::uint64_t(std::ldexp(fraction, 64))};
}

Bits Of(const TSoftExtended& x) {
    if (x.IsZero()) return {false, 0, 0};
    return {x.Negative(), x.Exponent(), x.Mantissa()};
}

// A long double has at most 64 significant bits: a double and the (exact) rest.
TSoftExtended Soft(long double x) {
    double high = double(x);
    double low = double(x - high);
    return TSoftExtended(high) + TSoftExtended(low);
}

long double Make(std::uint64_t mantissa, int exponent, bool negative) {
    long double x = std::ldexp(static_cast<long double>(mantissa), exponent - 63);
    return negative ? -x : x;
}

class SoftExtendedTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The reference results assume the x87 unit's start-up setting: 64 bits, nearest.
        unsigned short control;
        __asm__ __volatile__("fnstcw %0" : "=m"(control));
        ASSERT_EQ(control & 0x0F00, 0x0300);
    }

    // Operands of every kind the conversions meet and then some: full 64-bit mantissas,
    // ones with trailing zeros (doubles, small integers), wide and narrow exponent gaps,
    // and near-equal pairs that cancel.
    long double Operand(int exponentRange) {
        std::uint64_t mantissa = engine() | (std::uint64_t(1) << 63);
        switch (engine() % 4) {
            case 0: mantissa &= ~std::uint64_t(0x7FF); break;
            case 1: mantissa &= ~((std::uint64_t(1) << 56) - 1); break;
            default: break;
        }
        int exponent = int(engine() % std::uint64_t(2 * exponentRange + 1)) - exponentRange;
        return Make(mantissa, exponent, engine() & 1);
    }
    long double Neighbour(long double x) {
        int exponent = 0;
        long double fraction = std::frexp(x, &exponent);
        long double nudge = std::ldexp(static_cast<long double>(engine() % 512), -64);
        return std::ldexp(fraction + (engine() & 1 ? nudge : -nudge), exponent);
    }

    std::mt19937_64 engine{20240611};
};

TEST_F(SoftExtendedTest, ValuesArriveExactly) {
    for (double x : {0.8333333333333334, -3.5e-12, 1.0 / 3, 255.0, 0x1p-1000})
        EXPECT_EQ(Of(TSoftExtended(x)), Of(static_cast<long double>(x))) << x;
    EXPECT_EQ(Of(TSoftExtended(255)), Of(255.0L));
    EXPECT_EQ(Of(TSoftExtended(-239)), Of(-239.0L));
    EXPECT_EQ(Of(TSoftExtended(std::uint32_t(0xEF))), Of(239.0L));
    EXPECT_TRUE(TSoftExtended(0).IsZero());
    for (int i = 0; i < 1000; ++i) {
        long double x = Operand(100);
        ASSERT_EQ(Of(Soft(x)), Of(x));
    }
}

TEST_F(SoftExtendedTest, ArithmeticGivesTheBitsOfTheX87Unit) {
    for (int i = 0; i < 200000; ++i) {
        int range = i % 3 == 0 ? 100 : 12;
        long double a = Operand(range);
        long double b = i % 5 == 0 ? Neighbour(a) : Operand(range);
        TSoftExtended softA = Soft(a), softB = Soft(b);
        ASSERT_EQ(Of(softA + softB), Of(a + b)) << Of(a) << " + " << Of(b);
        ASSERT_EQ(Of(softA - softB), Of(a - b)) << Of(a) << " - " << Of(b);
        ASSERT_EQ(Of(softA * softB), Of(a * b)) << Of(a) << " * " << Of(b);
        ASSERT_EQ(Of(softA / softB), Of(a / b)) << Of(a) << " / " << Of(b);
        ASSERT_EQ(softA < softB, a < b);
        ASSERT_EQ(softA > softB, a > b);
        ASSERT_EQ(softA == softB, a == b);
        ASSERT_EQ(double(softA), double(a)) << Of(a);
    }
}

TEST_F(SoftExtendedTest, RoundingCarriesAndTiesGoToEven) {
    const std::uint64_t top = std::uint64_t(1) << 63;
    // Sums that need a 65th bit: the tie goes to the even neighbour, which may carry into
    // the next power of two.
    long double cases[][2] = {
        {1.0L, std::ldexp(1.0L, -64)},
        {1.0L, std::ldexp(1.0L, -64) + std::ldexp(1.0L, -100)},
        {Make(~std::uint64_t(0), 0, false), std::ldexp(1.0L, -64)},
        {Make(top | 1, 0, false), std::ldexp(1.0L, -64)},
        {1.0L, -std::ldexp(1.0L, -130)},
        // 1 - 2^-65 is half-way; a bit lost far below decides: down for the difference.
        {1.0L, std::ldexp(1.0L, -65) + std::ldexp(1.0L, -128)},
        {std::ldexp(1.0L, 70), 1.0L},
    };
    for (auto& c : cases) {
        EXPECT_EQ(Of(Soft(c[0]) + Soft(c[1])), Of(c[0] + c[1])) << Of(c[0]) << " + " << Of(c[1]);
        EXPECT_EQ(Of(Soft(c[0]) - Soft(c[1])), Of(c[0] - c[1])) << Of(c[0]) << " - " << Of(c[1]);
    }
    // To double: 11 bits go; exactly half of them rounds to even.
    for (std::uint64_t low : {0x3FFu, 0x400u, 0x401u, 0xBFFu, 0xC00u, 0xC01u, 0x7FFu}) {
        long double x = Make(top | low, 0, false);
        EXPECT_EQ(double(Soft(x)), double(x)) << std::hex << low;
    }
    EXPECT_EQ(double(Soft(Make(~std::uint64_t(0), 0, false))), 2.0);
}

TEST_F(SoftExtendedTest, RoundingToAnIntegerGoesHalfToEven) {
    for (long double x : {0.5L, 1.5L, 2.5L, -2.5L, 0.49999999999999999L, 212.5L, 213.5L, 0.0L,
                          -0.5L, 255.0L}) {
        EXPECT_EQ(Soft(x).RoundToInteger(), std::llrint(x)) << double(x);
    }
    for (int i = 0; i < 100000; ++i) {
        long double x = Operand(10);
        if (engine() % 4 == 0) x = std::floor(x) + 0.5L;  // exact halves
        ASSERT_EQ(Soft(x).RoundToInteger(), std::llrint(x)) << Of(x);
    }
}

// The whole domains were compared once, colour by colour; a spread sample keeps watch.
TEST_F(SoftExtendedTest, TheColourConversionsGiveTheSameColours) {
    using namespace hsl_arithmetic;
    for (TColor c = 0; c < 0x1000000; c += 97) {
        THSL soft = ToHSL<TSoftExtended>(c), used = ColorToHSL(c);
        ASSERT_EQ(soft.H, used.H) << std::hex << c;
        ASSERT_EQ(soft.S, used.S) << std::hex << c;
        ASSERT_EQ(soft.L, used.L) << std::hex << c;
        ASSERT_EQ(ToHSLScaled<TSoftExtended>(c, 240), ColorToHSLScaled(c)) << std::hex << c;
    }
    for (std::int32_t h = 0; h < 240; h += 7)
        for (std::int32_t s = 0; s <= 240; s += 5)
            for (std::int32_t l = 0; l <= 250; ++l)
                ASSERT_EQ(FromHSLScaled<TSoftExtended>(h, s, l, 240), HSLScaledToColor(h, s, l))
                    << h << " " << s << " " << l;
}

}  // namespace

#endif
