// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace chalkline {
namespace {

// The texts must not depend on the user's locale: a German desktop still shows "7.25".
class NumberText : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(NumberText, WritesWholeAndFractionalValuesPlainly) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},         {-0.0, "0"},       {12, "12"},        {-5, "-5"},
        {3900, "3900"},   {0.5, "0.5"},      {-0.75, "-0.75"},  {7.25, "7.25"},
        {4.125, "4.125"}, {-20.0 / 4, "-5"}, {1e7, "10000000"}, {0.001, "0.001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(number_text(c.value), c.text) << c.value;
    }
}

TEST_F(NumberText, ReadsTheLeadingNumberAndZeroWhenThereIsNone) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"-0.75", -0.75}, {"0.5", 0.5}, {"7.25", 7.25}, {"12abc", 12},  {"", 0},
        {"-", 0},         {".5", 0.5},  {"-.5", -0.5},  {"1.2.3", 1.2}, {"abc", 0},
        {"?", 0},         {"-20", -20}, {"5.", 5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(read_number(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST_F(NumberText, EveryWrittenQuarterReadsBackExactly) {
    for (int quarters = -400; quarters <= 400; ++quarters) {
        const double value = quarters / 4.0;
        EXPECT_EQ(read_number(number_text(value)), value) << value;
    }
}

} // namespace
} // namespace chalkline
