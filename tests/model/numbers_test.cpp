// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding a number to a whole one: to the nearest, halves to the even neighbour, for every kind of number.
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zorvik {
namespace {

// The rule spelt out plainly: round half away from zero, then pull exact halves back to even.
double plainHalfEven(double value)
{
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return rounded;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

TEST(RoundHalfEven, AgreesWithThePlainRuleToTheLastBit)
{
    const double edges[] = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 127.5, 127.49999999999999, 0.49999999999999994,
                            -0.49999999999999994, 4503599627370495.5, 4503599627370496.0, 9007199254740993.0,
                            1e300, -1e300, std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::denorm_min(), -0.3};
    for (double value : edges)
        EXPECT_TRUE(sameBits(roundHalfEven(value), plainHalfEven(value))) << value;

    // Every quarter from -1000 to 1000, and numbers of every size with random low bits.
    for (int quarters = -4000; quarters <= 4000; ++quarters)
        EXPECT_TRUE(sameBits(roundHalfEven(quarters / 4.0), plainHalfEven(quarters / 4.0))) << quarters;
    std::uint64_t state = 88172645463325252ull;
    for (int i = 0; i < 200000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const int exponent = int(state % 120) - 60;
        const double value = std::ldexp(double(state >> 11) / double(1ull << 53), exponent) * (state & 1 ? -1 : 1);
        ASSERT_TRUE(sameBits(roundHalfEven(value), plainHalfEven(value))) << value;
    }
}

} // namespace
} // namespace zorvik
