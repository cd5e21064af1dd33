// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace chalkline {
namespace {

TEST(Fraction, KeepsLowestTermsAndAPositiveDenominator) {
    EXPECT_EQ(Fraction(6, -8), Fraction(-3, 4));
    EXPECT_EQ(Fraction(-6, -8).numerator(), 3);
    EXPECT_EQ(Fraction(0, -5).denominator(), 1);
    EXPECT_EQ(Fraction(3, 4) + Fraction(1, 6), Fraction(11, 12));
    EXPECT_EQ(Fraction(3, 4) / Fraction(1, 6), Fraction(9, 2));
    EXPECT_LT(Fraction(3, 7), Fraction(1, 2));
    EXPECT_EQ(power(Fraction(-2, 3), 3), Fraction(-8, 27));
}

// The dots go over the first and last digit of the cycle; without them the digits are
// those of the recurring form.
TEST(Fraction, DottedFormMarksTheCycle) {
    EXPECT_EQ(dotted_text(Fraction(1, 3)), "0.3\u0307");
    EXPECT_EQ(dotted_text(Fraction(-1, 6)), "-0.16\u0307");
    EXPECT_EQ(dotted_text(Fraction(22, 7)), "3.1\u030742857\u0307");
    EXPECT_EQ(dotted_text(Fraction(3, 4)), "0.75");
    EXPECT_EQ(dotted_text(Fraction(200, 3)), "66.6\u0307");
}

TEST(Fraction, OverflowAndDivisionByZeroThrowInsteadOfWrapping) {
    constexpr std::int64_t big = std::numeric_limits<std::int64_t>::max();
    EXPECT_THROW(Fraction(1, 0), FractionError);
    EXPECT_THROW(Fraction(1) / Fraction(0), FractionError);
    EXPECT_THROW(Fraction(big) + Fraction(1), FractionError);
    EXPECT_THROW(Fraction(big / 2 + 1) * Fraction(2), FractionError);
    EXPECT_THROW(-Fraction(std::numeric_limits<std::int64_t>::min()), FractionError);
    // Cancelled before multiplying, so a product that fits is found.
    EXPECT_EQ(Fraction(big, 3) * Fraction(3, big), Fraction(1));
    EXPECT_LT(Fraction(big - 1, big), Fraction(big, big - 1));
}

TEST(Fraction, TextForms) {
    struct Row {
        Fraction value;
        const char *fraction, *mixed, *recurring, *rounded1;
    };
    const Row rows[] = {
        {{3, 4}, "3/4", "3/4", "0.75", "0.8"},
        {{-7, 4}, "-7/4", "-1 3/4", "-1.75", "-1.8"},
        {{5}, "5", "5", "5", "5.0"},
        {{1, 3}, "1/3", "1/3", "0.3 recurring", "0.3"},
        {{1, 6}, "1/6", "1/6", "0.16 recurring", "0.2"},
        {{22, 7}, "22/7", "3 1/7", "3.142857 recurring", "3.1"},
        {{-1, 20}, "-1/20", "-1/20", "-0.05", "-0.1"},
        {{-1, 40}, "-1/40", "-1/40", "-0.025", "0.0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fraction);
        EXPECT_EQ(fraction_text(row.value), row.fraction);
        EXPECT_EQ(mixed_text(row.value), row.mixed);
        EXPECT_EQ(recurring_text(row.value), row.recurring);
        EXPECT_EQ(rounded_text(row.value, 1), row.rounded1);
        EXPECT_EQ(parse_fraction(row.fraction), row.value);
        EXPECT_EQ(parse_fraction(row.mixed), row.value);
    }
    EXPECT_EQ(percent_text(Fraction(1, 8)), "12.5%");
    EXPECT_EQ(percent_text(Fraction(1, 3)), std::nullopt);
    EXPECT_EQ(decimal_text(Fraction(1, 3)), std::nullopt);
    EXPECT_EQ(parse_fraction("0.05"), Fraction(1, 20));
    EXPECT_EQ(parse_fraction("-2.5"), Fraction(-5, 2));
    EXPECT_EQ(parse_fraction("3/-4"), std::nullopt);
    EXPECT_EQ(parse_fraction(""), std::nullopt);
    EXPECT_EQ(parse_fraction("x"), std::nullopt);
}

} // namespace
} // namespace chalkline
