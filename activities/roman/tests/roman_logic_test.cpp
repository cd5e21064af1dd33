// SPDX-License-Identifier: GPL-3.0-or-later
#include "roman_logic.h"
#include "stuck_random.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>
#include <string>

namespace chalkline::roman {
namespace {

using chalkline::testing::StuckRandom;

// The standard form, written out as a pattern independently of the converter.
const std::regex kStandard("M{0,3}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})");

// The value of a standard numeral, or of our number, as the screen shows it.
int value_of(const std::string& text) {
    static const std::regex ours("[1-9][0-9]*");
    if (std::regex_match(text, ours)) {
        return std::stoi(text);
    }
    EXPECT_TRUE(std::regex_match(text, kStandard)) << text;
    const auto value = from_roman(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(-1);
}

TEST(RomanLogic, EveryNumberFromOneTo3999GoesThereAndBack) {
    std::set<std::string> numerals;
    for (int n = 1; n <= 3999; ++n) {
        const std::string numeral = to_roman(n);
        EXPECT_TRUE(std::regex_match(numeral, kStandard)) << n << " " << numeral;
        EXPECT_EQ(from_roman(numeral), n) << numeral;
        numerals.insert(numeral);
    }
    EXPECT_EQ(numerals.size(), 3999u);
    EXPECT_EQ(to_roman(1994), "MCMXCIV");
    EXPECT_EQ(to_roman(3888), "MMMDCCCLXXXVIII");
    for (const char* wrong : {"", "IIII", "IC", "VX", "IIV", "XM", "CMM", "MMMM", "VV", "DD", "LC",
                              "XXC", "iv", "X I", "IXI", "XIIII"}) {
        EXPECT_EQ(from_roman(wrong), std::nullopt) << wrong;
    }
    EXPECT_THROW(to_roman(0), std::out_of_range);
    EXPECT_THROW(to_roman(4000), std::out_of_range);
}

// Each question as the class reads it: its numerals standard, its answer right and in
// range, short enough for its row, and no question twice in a problem or its successor.
TEST(RomanLogic, EveryQuestionIsRightAndNew) {
    const std::regex combined(R"((\S+) ([-+x]) (\S+))");
    for (const Kind kind : {Kind::Convert, Kind::AddSubtract, Kind::Multiply}) {
        SeededRandom random(std::uint32_t(int(kind) + 1) * 104729u);
        std::optional<RomanProblem> previous;
        for (int round = 0; round < 2000; ++round) {
            const RomanProblem problem =
                make_problem(kind, random, previous ? &previous.value() : nullptr);
            std::set<std::string> texts;
            int first_way = 0;
            for (const RomanQuestion& question : problem.questions) {
                const std::string text = question_text(question);
                const std::string answer = answer_text(question);
                SCOPED_TRACE(text + " = " + answer);
                texts.insert(text);
                if (previous) {
                    for (const RomanQuestion& before : previous->questions) {
                        EXPECT_NE(question_text(before), text);
                    }
                }
                const int shown = value_of(answer);
                EXPECT_TRUE(shown >= 1 && shown <= 3999);
                std::smatch m;
                if (kind == Kind::Convert) {
                    EXPECT_EQ(value_of(text), shown);
                    EXPECT_NE(text.front() >= '0' && text.front() <= '9',
                              answer.front() >= '0' && answer.front() <= '9');
                    first_way += question.operation == Operation::ToOurs;
                    continue;
                }
                ASSERT_TRUE(std::regex_match(text, m, combined));
                const int a = value_of(m[1]);
                const int b = value_of(m[3]);
                const char sign = m[2].str()[0];
                EXPECT_EQ(sign == '+' ? a + b : sign == '-' ? a - b : a * b, shown);
                EXPECT_EQ(sign == 'x', kind == Kind::Multiply);
                if (sign == 'x') {
                    EXPECT_TRUE(b >= 2 && b <= 12);
                }
                EXPECT_LE(m[1].length(), 6);
                EXPECT_LE(m[3].length(), 6);
                EXPECT_LE(answer.size(), 8u);
            }
            EXPECT_EQ(texts.size(), 6u);
            if (kind == Kind::Convert) {
                EXPECT_EQ(first_way, 3);
            }
            previous = problem;
        }
    }
}

// A source that gives the same draws every time still makes six new questions.
TEST(RomanLogic, AStuckSourceStillGivesNewQuestions) {
    for (const Kind kind : {Kind::Convert, Kind::AddSubtract, Kind::Multiply}) {
        StuckRandom stuck(0, 20000);
        const RomanProblem previous = make_problem(kind, stuck);
        const RomanProblem next = make_problem(kind, stuck, &previous);
        std::set<std::string> texts;
        for (const auto* problem : {&previous, &next}) {
            for (const RomanQuestion& question : problem->questions) {
                EXPECT_TRUE(question.answer() >= 1 && question.answer() <= 3999);
                texts.insert(question_text(question) + "=" + answer_text(question));
            }
        }
        EXPECT_EQ(texts.size(), 12u) << int(kind);
    }
    SeededRandom random(1);
    EXPECT_THROW(make_problem(Kind(-1), random), std::invalid_argument);
}

} // namespace
} // namespace chalkline::roman
