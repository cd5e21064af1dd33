// SPDX-License-Identifier: GPL-3.0-or-later
#include "highest_common_factor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

namespace chalkline {
namespace {

// Each case: the arguments, the factor, and the two variables as the routine leaves
// them (put in order, the smaller first).
TEST(HighestCommonFactor, FindsTheFactorAndLeavesTheArgumentsInOrder) {
    const struct {
        std::int16_t x, y;
        int factor;
        std::int16_t x_after, y_after;
    } cases[] = {
        {6, 8, 2, 6, 8},
        {8, 6, 2, 6, 8},
        {7, 7, 7, 7, 7},
        {1, 12, 1, 1, 12},
        {12, 1, 1, 1, 12},
        {11, 12, 1, 11, 12},
        {264, 132, 132, 132, 264},
        {0, 5, 5, 0, 5},
        {5, 0, 5, 0, 5},
        // The larger is 0: no candidate is tried.
        {0, 0, 0, 0, 0},
        {-5, 0, 0, -5, 0},
        {0, -5, 0, -5, 0},
        // Signs do not change the factor once the larger is not 0.
        {-6, 8, 2, -6, 8},
        {8, -6, 2, -6, 8},
        {-6, -8, 2, -8, -6},
        {-12, 4, 4, -12, 4},
        {12, -4, 4, -4, 12},
        // The one result that does not fit in 16 bits.
        {-32768, -32768, 32768, -32768, -32768},
        {32767, 32767, 32767, 32767, 32767},
    };
    for (const auto& c : cases) {
        std::int16_t x = c.x;
        std::int16_t y = c.y;
        EXPECT_EQ(highest_common_factor(x, y), c.factor) << c.x << ", " << c.y;
        EXPECT_EQ(x, c.x_after) << c.x << ", " << c.y;
        EXPECT_EQ(y, c.y_after) << c.x << ", " << c.y;
    }
}

// Over every pair the fractions of this program can produce, the routine agrees with
// the greatest common divisor.
TEST(HighestCommonFactor, AgreesWithTheGreatestCommonDivisorForPositiveNumbers) {
    for (int a = 1; a <= 264; ++a) {
        for (int b = 1; b <= 264; ++b) {
            auto x = static_cast<std::int16_t>(a);
            auto y = static_cast<std::int16_t>(b);
            ASSERT_EQ(highest_common_factor(x, y), std::gcd(a, b)) << a << ", " << b;
        }
    }
}

} // namespace
} // namespace chalkline
