// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"
#include "random_decimal.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace chalkline {
namespace {

using chalkline::testing::ScriptedRandom;

class RandomDecimal : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// The digits are drawn in order, left to right, each from 1 to 9.
TEST_F(RandomDecimal, WritesTheWholePartAndTheDigitsInDrawOrder) {
    const struct {
        int whole, digits;
        std::initializer_list<int> drawn;
        const char* text;
    } cases[] = {
        {3, 2, {4, 7}, "3.47"}, {1, 1, {9}, "1.9"},   {5, 3, {1, 2, 5}, "5.125"},
        {0, 2, {5, 1}, "0.51"}, {12, 1, {3}, "12.3"}, {4, 3, {9, 9, 9}, "4.999"},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        for (int digit : c.drawn) {
            random.then(digit, 1, 9);
        }
        EXPECT_EQ(random_decimal(c.whole, c.digits, random), c.text);
        EXPECT_EQ(random.remaining(), 0u) << c.text;
    }
}

// Even the smallest u gives the digit 1, so no text ends in 0 or loses a place when
// read back as a number.
TEST_F(RandomDecimal, NeverWritesAZeroDigit) {
    const float extremes[] = {0.0f, std::nextafter(1.0f, 0.0f)};
    for (float u : extremes) {
        for (int digits = 1; digits <= 3; ++digits) {
            ScriptedRandom random{u, u, u};
            const std::string text = random_decimal(2, digits, random);
            EXPECT_EQ(text.find('0'), std::string::npos) << text;
            EXPECT_EQ(number_text(read_number(text)), text);
        }
    }
}

TEST_F(RandomDecimal, AnyOtherDigitsCountGivesThreePlaces) {
    for (int digits : {0, 4, -1, 7, 100}) {
        ScriptedRandom random;
        random.then(6, 1, 9).then(2, 1, 9).then(8, 1, 9);
        EXPECT_EQ(random_decimal(1, digits, random), "1.628") << digits;
    }
}

} // namespace
} // namespace chalkline
