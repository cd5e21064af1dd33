// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_templates.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace chalkline::matchthetarget {
namespace {

class ExpressionTemplates : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// One valid set of numbers per template, with its target and its answer text byte
// for byte ("x" is the small letter, the division sign is U+00F7 in UTF-8).
struct Example {
    int t;
    Given given;
    int target;
    const char* answer;
};

const Example examples[] = {
    {1, {12, 30, 45, 24, 6}, 401, "12  x  30  +  45  -  24  \xC3\xB7  6"},
    {2, {25, 7, 31, 12, 90}, 457, "25  x  7  +  31  x  12  -  90"},
    {3, {35, 5, 9, 14, 22}, 155, "35  \xC3\xB7  5  +  9  x  14  +  22"},
    {4, {15, 20, 27, 6, 33}, 81, "(15  +  20  -  27)  x  6  +  33"},
    {5, {4, 7, 9, 3, 8}, 75, "(4  +  7)  x  9  -  3  x  8"},
    {6, {48, 6, 11, 57, 3}, 259, "48  \xC3\xB7  6  x  11  +  57  x  3"},
    {7, {120, 15, 28, 6, 19}, 481, "(120  -  15  -  28)  x  6  +  19"},
    {8, {54, 103, 87, 66, 12}, 124, "54  +  103  -  87  +  66  -  12"},
    {9, {9, 14, 25, 7, 63}, 477, "(9  +  14)  x  (25  -  7)  +  63"},
    {10, {12, 5, 8, 9, 7}, 833, "(12  -  5)  x  (8  +  9)  x  7"},
    {11, {42, 88, 61, 100, 35}, 56, "42  +  88  +  61  -  100  -  35"},
    {12, {75, 6, 8, 3, 9}, 150, "75  +  6  x  8  +  3  x  9"},
    {13, {63, 28, 35, 7, 21}, 29, "(63  +  28  -  35)  \xC3\xB7  7  +  21"},
    {14, {8, 36, 20, 4, 19}, 48, "(8  x  36  -  20)  \xC3\xB7  4  -  19"},
    {15, {11, 9, 6, 7, 40}, 17, "11  x  9  -  6  x  7  -  40"},
};

TEST_F(ExpressionTemplates, EachTemplateGivesItsTargetAndAnswerText) {
    for (const Example& e : examples) {
        SCOPED_TRACE("template " + std::to_string(e.t));
        EXPECT_EQ(target_value(e.t, e.given), e.target);
        EXPECT_EQ(answer_text(e.t, e.given), e.answer);
    }
}

// Precedence and order: a division or subtraction grouped the wrong way, or a product
// formed right to left, changes each of these values.
TEST_F(ExpressionTemplates, WorksStrongOperatorsFirstAndEqualOnesLeftToRight) {
    const struct {
        int t;
        Given given;
        int target;
    } cases[] = {
        {6, {48, 6, 11, 57, 3}, 259},   // (48 ÷ 6) x 11, not 48 ÷ (6 x 11)
        {6, {16, 8, 4, 20, 1}, 28},     // (16 ÷ 8) x 4 = 8, not 16 ÷ 32
        {14, {8, 36, 20, 4, 19}, 48},   // (8 x 36) - 20, then ÷ 4
        {8, {1, 10, 117, 117, 1}, 10},  // passes through -106 on the way
        {11, {1, 10, 10, 10, 11}, 0},   // ((1 + 10 + 10) - 10) - 11
        {1, {2, 9, 20, 16, 2}, 30},     // 18 + 20 - 8: the quotient alone is subtracted
        {3, {72, 9, 13, 17, 38}, 267},  // 8 + 221 + 38
        {15, {1, 1, 12, 12, 99}, -242}, // negative values come back as they are
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("template " + std::to_string(c.t));
        EXPECT_EQ(target_value(c.t, c.given), c.target);
    }
}

TEST_F(ExpressionTemplates, FirstBracketValueOfEveryBracketedTemplate) {
    const struct {
        int t;
        Given given;
        int bracket;
    } cases[] = {
        {4, {15, 20, 27, 6, 33}, 8},   {5, {4, 7, 9, 3, 8}, 11},  {7, {120, 15, 28, 6, 19}, 77},
        {9, {9, 14, 25, 7, 63}, 23},   {10, {12, 5, 8, 9, 7}, 7}, {13, {63, 28, 35, 7, 21}, 56},
        {14, {8, 36, 20, 4, 19}, 268}, {10, {5, 5, 1, 1, 1}, 0},  {7, {30, 17, 33, 1, 10}, -20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("template " + std::to_string(c.t));
        EXPECT_EQ(bracket_value(c.t, c.given), c.bracket);
    }
}

TEST_F(ExpressionTemplates, BracketValueOfATemplateWithoutBracketsIsRefused) {
    for (int t : {1, 2, 3, 6, 8, 11, 12, 15}) {
        SCOPED_TRACE("template " + std::to_string(t));
        EXPECT_THROW(bracket_value(t, {12, 6, 3, 2, 1}), std::invalid_argument);
    }
}

TEST_F(ExpressionTemplates, UnknownTemplateNumbersAreRefused) {
    for (int t : {0, -1, 16, 100}) {
        SCOPED_TRACE("template " + std::to_string(t));
        const Given given{1, 2, 3, 4, 5};
        EXPECT_THROW(target_value(t, given), std::out_of_range);
        EXPECT_THROW(bracket_value(t, given), std::out_of_range);
        EXPECT_THROW(answer_text(t, given), std::out_of_range);
    }
}

// A puzzle whose division does not come out whole would show a false equation;
// the evaluator reports it instead of rounding.
TEST_F(ExpressionTemplates, InexactOrZeroDivisionAndOverflowAreReportedNotRounded) {
    const struct {
        int t;
        Given given;
    } cases[] = {
        {1, {12, 30, 45, 25, 6}},               // 25 ÷ 6
        {3, {35, 6, 9, 14, 22}},                // 35 ÷ 6
        {6, {48, 5, 11, 57, 3}},                // 48 ÷ 5
        {6, {7, 2, 2, 1, 1}},                   // 7 ÷ 2 x 2 would give 6 when truncated
        {13, {63, 28, 34, 7, 21}},              // 57 ÷ 7
        {14, {8, 36, 21, 4, 19}},               // 267 ÷ 4
        {1, {12, 30, 45, 24, 0}},               // by zero
        {13, {2, 2, 2, 0, 10}},                 // by zero
        {10, {100000, 1, 100000, 100000, 100}}, // beyond a 32-bit whole number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("template " + std::to_string(c.t));
        EXPECT_THROW(target_value(c.t, c.given), EvaluationError);
    }
}

// Brackets must sit on operands in order and never overlap, or the writer and the
// evaluator would disagree about the expression.
TEST_F(ExpressionTemplates, TableIsNumberedInOrderWithWellFormedBrackets) {
    int expected = 1;
    for (const ExpressionTemplate& t : expression_templates()) {
        SCOPED_TRACE("template " + std::to_string(t.number));
        EXPECT_EQ(t.number, expected++);
        EXPECT_LE(t.brackets.size(), 2u);
        int after = 1;
        for (const BracketGroup& b : t.brackets) {
            EXPECT_GE(b.first, after);
            EXPECT_LT(b.first, b.last);
            EXPECT_LE(b.last, 5);
            after = b.last + 1;
        }
    }
}

} // namespace
} // namespace chalkline::matchthetarget
