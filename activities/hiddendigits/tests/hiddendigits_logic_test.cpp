// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiddendigits_logic.h"

#include "stuck_random.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace chalkline::hiddendigits {
namespace {

// The completions found by writing every digit into every '?', one way after another
// (up to 100000 ways): the plain search the rule describes.
std::vector<std::array<int, kRows>> every_completion(const HiddenDigitsProblem& problem) {
    std::vector<std::pair<int, int>> hidden;
    for (int row = 0; row < kRows; ++row) {
        for (int i = 0; i < int(problem.patterns[row].size()); ++i) {
            if (problem.patterns[row][i] == '?') {
                hidden.emplace_back(row, i);
            }
        }
    }
    int ways = 1;
    for (std::size_t i = 0; i < hidden.size(); ++i) {
        ways *= 10;
    }
    std::vector<std::array<int, kRows>> found;
    for (int way = 0; way < ways; ++way) {
        auto rows = problem.patterns;
        int digits = way;
        for (const auto& [row, i] : hidden) {
            rows[row][i] = char('0' + digits % 10);
            digits /= 10;
        }
        std::array<int, kRows> n{};
        bool leading_zero = false;
        for (int row = 0; row < kRows; ++row) {
            leading_zero = leading_zero || (rows[row].size() > 1 && rows[row][0] == '0');
            n[row] = std::stoi(rows[row]);
        }
        const bool right = problem.kind == Kind::Addition      ? n[0] + n[1] == n[2]
                           : problem.kind == Kind::Subtraction ? n[0] - n[1] == n[2]
                                                               : n[0] * n[1] == n[2];
        if (right && !leading_zero) {
            found.push_back(n);
        }
    }
    return found;
}

int digits(int n) {
    return int(std::to_string(n).size());
}

// The rules of a problem: the sizes of its kind, a right calculation, the shown digits
// its own, 3 to 5 hidden, and exactly one completion.
void expect_sound(const HiddenDigitsProblem& p, bool search) {
    const std::string where = answer_text(p) + " shown as " + problem_text(p);
    const auto [first, second, answer] = p.numbers;
    if (p.kind == Kind::Multiplication) {
        EXPECT_EQ(first * second, answer) << where;
        const bool three_by_one = digits(first) == 3 && digits(second) == 1;
        EXPECT_TRUE(three_by_one || (digits(first) == 2 && digits(second) == 2)) << where;
        EXPECT_TRUE(digits(answer) == 3 || digits(answer) == 4) << where;
    } else {
        EXPECT_EQ(p.kind == Kind::Addition ? first + second : first - second, answer) << where;
        for (int n : p.numbers) {
            EXPECT_TRUE(digits(n) == 3 || digits(n) == 4) << where;
        }
    }
    int hidden = 0;
    for (int row = 0; row < kRows; ++row) {
        const std::string number = std::to_string(p.numbers[row]);
        ASSERT_EQ(p.patterns[row].size(), number.size()) << where;
        for (std::size_t i = 0; i < number.size(); ++i) {
            hidden += p.patterns[row][i] == '?';
            EXPECT_TRUE(p.patterns[row][i] == '?' || p.patterns[row][i] == number[i]) << where;
        }
    }
    EXPECT_GE(hidden, 3) << where;
    EXPECT_LE(hidden, 5) << where;
    EXPECT_EQ(count_completions(p.kind, p.patterns, 10), 1) << where;
    if (search) {
        const auto completions = every_completion(p);
        ASSERT_EQ(completions.size(), 1u) << where;
        EXPECT_EQ(completions[0], p.numbers) << where;
    }
}

// Many problems of each kind, each checked by its rules, each unlike the one before;
// every tenth also by trying every digit in every box.
TEST(HiddenDigitsLogic, EveryProblemHasOneCompletionAndNeverRepeats) {
    for (const Kind kind : {Kind::Addition, Kind::Subtraction, Kind::Multiplication}) {
        SeededRandom random(std::uint32_t(int(kind) + 1) * 7919u);
        std::optional<HiddenDigitsProblem> previous;
        for (int i = 0; i < 2000; ++i) {
            const HiddenDigitsProblem p = make_problem(kind, random, previous);
            ASSERT_EQ(p.kind, kind);
            expect_sound(p, i % 10 == 0);
            EXPECT_NE(p, previous);
            previous = p;
        }
    }
}

// A source that draws the same numbers every time still gives a new problem each Go,
// and a sound one, at either end of the ranges.
TEST(HiddenDigitsLogic, AStuckSourceStillGivesNewSoundProblems) {
    for (const float u : {0.0f, 0.99999f}) {
        for (const Kind kind : {Kind::Addition, Kind::Subtraction, Kind::Multiplication}) {
            testing::StuckRandom random(u);
            std::optional<HiddenDigitsProblem> previous;
            for (int i = 0; i < 4; ++i) {
                const HiddenDigitsProblem p = make_problem(kind, random, previous);
                expect_sound(p, true);
                EXPECT_NE(p, previous);
                previous = p;
            }
        }
    }
}

TEST(HiddenDigitsLogic, TextsAndKinds) {
    const HiddenDigitsProblem p{Kind::Addition, {457, 285, 742}, {"4?7", "?85", "74?"}};
    EXPECT_EQ(problem_text(p), "4?7 + ?85 = 74?");
    EXPECT_EQ(answer_text(p), "457 + 285 = 742");
    EXPECT_EQ(sign_of(Kind::Multiplication), "x");
    SeededRandom random(1);
    EXPECT_THROW(make_problem(Kind(3), random), std::invalid_argument);
    // Two hidden digits in one column of a sum can trade places.
    EXPECT_EQ(count_completions(Kind::Addition, {"4?7", "2?5", "742"}, 10), 6);
}

} // namespace
} // namespace chalkline::hiddendigits
