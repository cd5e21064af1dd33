// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchthetarget_logic.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace chalkline::matchthetarget {
namespace {

using chalkline::testing::ScriptedRandom;

// What a puzzle's numbers are drawn from, row by row, in the order of the draws:
// N1 to N5, the multiplier k, the divisor d and a1 to a3.
enum Slot { N1, N2, N3, N4, N5, K, D, A1, A2, A3 };

struct Range {
    Slot slot;
    int low;
    int high;
};

using Row = std::array<Range, 5>;

const Row rows[15] = {
    {{{K, 2, 8}, {N5, 2, 11}, {N3, 20, 137}, {N1, 2, 22}, {N2, 9, 46}}},
    {{{N5, 10, 117}, {N4, 2, 17}, {N3, 10, 38}, {N1, 10, 38}, {N2, 2, 17}}},
    {{{K, 2, 8}, {N5, 10, 38}, {N4, 2, 17}, {N3, 2, 13}, {N2, 1, 9}}},
    {{{N5, 10, 38}, {N4, 1, 10}, {N3, 10, 38}, {N1, 2, 22}, {N2, 2, 22}}},
    {{{N5, 1, 10}, {N4, 1, 10}, {N3, 1, 10}, {N1, 1, 10}, {N2, 1, 10}}},
    {{{K, 2, 8}, {N5, 1, 5}, {N4, 20, 93}, {N3, 2, 13}, {N2, 1, 9}}},
    {{{N5, 10, 38}, {N4, 1, 10}, {N3, 10, 33}, {N1, 30, 157}, {N2, 2, 17}}},
    {{{N5, 1, 99}, {N4, 10, 117}, {N3, 10, 117}, {N1, 1, 99}, {N2, 10, 117}}},
    {{{N5, 1, 99}, {N4, 1, 9}, {N3, 10, 38}, {N1, 1, 15}, {N2, 2, 22}}},
    {{{N5, 1, 10}, {N4, 1, 15}, {N3, 1, 15}, {N1, 1, 15}, {N2, 2, 17}}},
    {{{N5, 1, 99}, {N4, 10, 117}, {N3, 10, 117}, {N1, 1, 99}, {N2, 10, 117}}},
    {{{N5, 1, 9}, {N4, 1, 9}, {N3, 1, 9}, {N1, 10, 117}, {N2, 1, 9}}},
    {{{N5, 10, 38}, {A3, 1, 9}, {A1, 1, 9}, {A2, 1, 9}, {D, 2, 11}}},
    {{{N5, 10, 38}, {A3, 1, 9}, {A1, 1, 9}, {A2, 1, 9}, {D, 2, 11}}},
    {{{N5, 1, 99}, {N4, 1, 12}, {N3, 1, 12}, {N1, 1, 12}, {N2, 1, 12}}},
};

const Row& row(int t) {
    return rows[t - 1];
}

// Five values in the order of the row's draws.
using Pass = std::array<int, 5>;

void script_pass(ScriptedRandom& random, int t, const Pass& pass) {
    for (std::size_t i = 0; i < 5; ++i) {
        random.then(pass[i], row(t)[i].low, row(t)[i].high);
    }
}

// A draw of every row's numbers that gives the worked example of its template.
const Pass example_pass[15] = {
    {4, 6, 45, 12, 30}, {90, 12, 31, 25, 7}, {7, 22, 14, 9, 5},     {33, 6, 27, 15, 20},
    {8, 3, 9, 4, 7},    {8, 3, 57, 11, 6},   {19, 6, 28, 120, 15},  {12, 66, 87, 54, 103},
    {63, 7, 25, 9, 14}, {7, 9, 8, 12, 5},    {35, 100, 61, 42, 88}, {9, 3, 8, 75, 6},
    {21, 5, 9, 4, 7},   {19, 5, 2, 9, 4},    {40, 7, 6, 11, 9},
};

class PuzzleGeneration : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Each row is drawn in its own order (the multiplier or divisor first where it has
// one) and from its own ranges: the scripted values land on the right numbers only
// if both are right, and the divisor and multiplier are multiplied in.
TEST_F(PuzzleGeneration, DrawsEachTemplatesNumbersInItsOrderFromItsRanges) {
    const struct {
        int t;
        Given given;
        int target;
    } cases[] = {
        {1, {12, 30, 45, 24, 6}, 401},   {2, {25, 7, 31, 12, 90}, 457},
        {3, {35, 5, 9, 14, 22}, 155},    {4, {15, 20, 27, 6, 33}, 81},
        {5, {4, 7, 9, 3, 8}, 75},        {6, {48, 6, 11, 57, 3}, 259},
        {7, {120, 15, 28, 6, 19}, 481},  {8, {54, 103, 87, 66, 12}, 124},
        {9, {9, 14, 25, 7, 63}, 477},    {10, {12, 5, 8, 9, 7}, 833},
        {11, {42, 88, 61, 100, 35}, 56}, {12, {75, 6, 8, 3, 9}, 150},
        {13, {63, 28, 35, 7, 21}, 29},   {14, {8, 36, 20, 4, 19}, 48},
        {15, {11, 9, 6, 7, 40}, 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("template " + std::to_string(c.t));
        ScriptedRandom random;
        random.then(c.t, 1, 15);
        script_pass(random, c.t, example_pass[c.t - 1]);
        const TargetPuzzle puzzle = make_problem(Kind::FiveNumbers, random, std::nullopt);
        EXPECT_EQ(puzzle.template_number, c.t);
        EXPECT_EQ(puzzle.given, c.given);
        EXPECT_EQ(puzzle.target, c.target);
        EXPECT_EQ(puzzle.answer, answer_text(c.t, c.given));
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(random.reseeds(), 1);
    }
}

// The lowest and the highest u for every draw of a row: the ends of each range are
// reachable and never exceeded. Where those numbers fail the row's test, the
// generator must ask for a new draw (the scripted source then runs out).
TEST_F(PuzzleGeneration, RangeEndsAreDrawnOrRejectedByTheAcceptanceTest) {
    const float lowest = 0.0f;
    const float highest = std::nextafter(1.0f, 0.0f);
    const std::optional<Given> rejected;
    const struct {
        int t;
        std::optional<Given> at_low;
        std::optional<Given> at_high;
    } cases[] = {
        {1, Given{2, 9, 20, 4, 2}, Given{22, 46, 137, 88, 11}},
        {2, Given{10, 2, 10, 2, 10}, Given{38, 17, 38, 17, 117}},
        {3, Given{2, 1, 2, 2, 10}, Given{72, 9, 13, 17, 38}},
        {4, rejected, Given{22, 22, 38, 10, 38}},
        {5, Given{1, 1, 1, 1, 1}, Given{10, 10, 10, 10, 10}},
        {6, Given{2, 1, 2, 20, 1}, Given{72, 9, 13, 93, 5}},
        {7, Given{30, 2, 10, 1, 10}, Given{157, 17, 33, 10, 38}},
        {8, Given{1, 10, 10, 10, 1}, Given{99, 117, 117, 117, 99}},
        {9, Given{1, 2, 10, 1, 1}, Given{15, 22, 38, 9, 99}},
        {10, rejected, rejected},
        {11, Given{1, 10, 10, 10, 1}, Given{99, 117, 117, 117, 99}},
        {12, Given{10, 1, 1, 1, 1}, Given{117, 9, 9, 9, 9}},
        {13, Given{2, 2, 2, 2, 10}, Given{99, 99, 99, 11, 38}},
        {14, rejected, Given{99, 99, 99, 11, 38}},
        {15, rejected, rejected},
    };
    for (const auto& c : cases) {
        for (const bool high : {false, true}) {
            SCOPED_TRACE("template " + std::to_string(c.t) + (high ? " high" : " low"));
            ScriptedRandom random;
            random.then(c.t, 1, 15);
            for (int i = 0; i < 5; ++i) {
                random.then_u(high ? highest : lowest);
            }
            const std::optional<Given>& expected = high ? c.at_high : c.at_low;
            if (expected) {
                const TargetPuzzle puzzle = make_problem(Kind::FiveNumbers, random, std::nullopt);
                EXPECT_EQ(puzzle.given, *expected);
                EXPECT_GE(puzzle.target, 1);
            } else {
                EXPECT_THROW(make_problem(Kind::FiveNumbers, random, std::nullopt),
                             std::logic_error);
                EXPECT_EQ(random.used(), 6u);
            }
        }
    }
}

// A draw that fails the row's test is thrown away whole: every number of the row,
// the multiplier or divisor included, is drawn again, with the same template and
// without a second reseed. The last pass of each case is the one accepted.
TEST_F(PuzzleGeneration, RejectedDrawsAreRedrawnWholeWithTheSameTemplate) {
    const struct {
        const char* why;
        int t;
        std::vector<Pass> passes;
        Given given;
    } cases[] = {
        {"bracket 30 - 17 - 33 below zero",
         7,
         {{10, 1, 33, 30, 17}, {19, 6, 28, 120, 15}},
         {120, 15, 28, 6, 19}},
        {"N1 below N2, then equal to it",
         10,
         {{7, 9, 8, 15, 16}, {7, 9, 8, 15, 17}, {3, 3, 3, 5, 5}, {7, 9, 8, 12, 5}},
         {12, 5, 8, 9, 7}},
        {"bracket of exactly 0",
         4,
         {{33, 6, 20, 10, 10}, {33, 6, 27, 15, 20}},
         {15, 20, 27, 6, 33}},
        {"bracket of exactly 0, divisor redrawn",
         13,
         {{21, 7, 3, 4, 5}, {21, 5, 9, 4, 7}},
         {63, 28, 35, 7, 21}},
        {"target of exactly 0, divisor redrawn",
         14,
         {{20, 4, 3, 4, 2}, {19, 5, 2, 9, 4}},
         {8, 36, 20, 4, 19}},
        {"target of exactly 0", 2, {{40, 2, 10, 10, 2}, {90, 12, 31, 25, 7}}, {25, 7, 31, 12, 90}},
        {"target of exactly 0", 5, {{5, 2, 5, 1, 1}, {8, 3, 9, 4, 7}}, {4, 7, 9, 3, 8}},
        {"target of exactly 0",
         8,
         {{1, 10, 20, 1, 10}, {12, 66, 87, 54, 103}},
         {54, 103, 87, 66, 12}},
        {"target of exactly 0",
         11,
         {{11, 10, 10, 1, 10}, {35, 100, 61, 42, 88}},
         {42, 88, 61, 100, 35}},
        {"target of exactly 0", 15, {{50, 10, 5, 10, 10}, {40, 7, 6, 11, 9}}, {11, 9, 6, 7, 40}},
        {"negative on the way, positive at the end",
         8,
         {{1, 117, 117, 1, 10}},
         {1, 10, 117, 117, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("template " + std::to_string(c.t) + ": " + c.why);
        ScriptedRandom random;
        random.then(c.t, 1, 15);
        for (const Pass& pass : c.passes) {
            script_pass(random, c.t, pass);
        }
        const TargetPuzzle puzzle = make_problem(Kind::FiveNumbers, random, std::nullopt);
        EXPECT_EQ(puzzle.template_number, c.t);
        EXPECT_EQ(puzzle.given, c.given);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(random.reseeds(), 1);
    }
}

TEST_F(PuzzleGeneration, TemplateIsDrawnAgainOnlyWhileItEqualsThePreviousOne) {
    const struct {
        std::optional<int> previous;
        std::vector<int> template_draws;
    } cases[] = {
        {std::nullopt, {7}},
        {std::nullopt, {1}},
        {std::nullopt, {15}},
        {7, {7, 7, 3}},
        {15, {15, 1}},
        {1, {2}},
        {3, {7}},
        {12, {12, 12, 12, 13}},
    };
    for (const auto& c : cases) {
        const int expected = c.template_draws.back();
        SCOPED_TRACE("previous " + std::to_string(c.previous.value_or(0)) + ", expected " +
                     std::to_string(expected));
        ScriptedRandom random;
        for (int t : c.template_draws) {
            random.then(t, 1, 15);
        }
        script_pass(random, expected, example_pass[expected - 1]);
        const TargetPuzzle puzzle = make_problem(Kind::FiveNumbers, random, c.previous);
        EXPECT_EQ(puzzle.template_number, expected);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(random.reseeds(), 1);
    }
}

// --- An independent reading of the answer text -------------------------------------

// Exact fractions, so that the check does not share the generator's whole-number
// division.
struct Fraction {
    long long num = 0;
    long long den = 1;
};

Fraction reduce(long long num, long long den) {
    if (den == 0) {
        throw std::runtime_error("division by zero in answer");
    }
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const long long g = std::gcd(num, den);
    return {num / g, den / g};
}

// expression := term (op term)*, term := factor (op factor)*, factor := number | "(" expression
// ")"; each operator stands between exactly two spaces on each side, brackets touch their numbers.
class AnswerReader {
public:
    explicit AnswerReader(std::string_view text) : text_(text) {}

    Fraction read() {
        const Fraction value = expression();
        if (position_ != text_.size()) {
            throw std::runtime_error("unread text at " + std::to_string(position_));
        }
        return value;
    }
    const std::vector<int>& numbers() const { return numbers_; }

private:
    bool take(std::string_view sign) {
        const std::string spaced = "  " + std::string(sign) + "  ";
        if (text_.substr(position_, spaced.size()) == spaced) {
            position_ += spaced.size();
            return true;
        }
        return false;
    }
    Fraction expression() {
        Fraction value = term();
        for (;;) {
            if (take("+")) {
                const Fraction r = term();
                value = reduce(value.num * r.den + r.num * value.den, value.den * r.den);
            } else if (take("-")) {
                const Fraction r = term();
                value = reduce(value.num * r.den - r.num * value.den, value.den * r.den);
            } else {
                return value;
            }
        }
    }
    Fraction term() {
        Fraction value = factor();
        for (;;) {
            if (take("x")) {
                const Fraction r = factor();
                value = reduce(value.num * r.num, value.den * r.den);
            } else if (take("\xC3\xB7")) {
                const Fraction r = factor();
                value = reduce(value.num * r.den, value.den * r.num);
            } else {
                return value;
            }
        }
    }
    Fraction factor() {
        if (position_ < text_.size() && text_[position_] == '(') {
            ++position_;
            const Fraction value = expression();
            if (position_ >= text_.size() || text_[position_] != ')') {
                throw std::runtime_error("missing )");
            }
            ++position_;
            return value;
        }
        const std::size_t start = position_;
        while (position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9') {
            ++position_;
        }
        if (position_ == start || (text_[start] == '0' && position_ - start > 1)) {
            throw std::runtime_error("bad number at " + std::to_string(start));
        }
        const int n = std::stoi(std::string(text_.substr(start, position_ - start)));
        numbers_.push_back(n);
        return {n, 1};
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::vector<int> numbers_;
};

TEST(AnswerReader, ReadsTheLayoutOfAnswersAndRefusesOthers) {
    const struct {
        const char* text;
        bool valid;
        long long num, den;
    } cases[] = {
        {"(12  -  5)  x  (8  +  9)  x  7", true, 833, 1},
        {"48  \xC3\xB7  6  x  11  +  57  x  3", true, 259, 1},
        {"7  \xC3\xB7  2", true, 7, 2},
        {"7 + 2", false, 0, 0},
        {"( 7  +  2)", false, 0, 0},
        {"7  *  2", false, 0, 0},
        {"7  +  2 ", false, 0, 0},
        {"07  +  2", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        AnswerReader reader(c.text);
        if (c.valid) {
            const Fraction f = reader.read();
            EXPECT_EQ(f.num, c.num);
            EXPECT_EQ(f.den, c.den);
        } else {
            EXPECT_ANY_THROW(reader.read());
        }
    }
}

// --- The real generator over many puzzles ------------------------------------------

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

// The given numbers lie within the row's ranges; derived ones have the structure that
// makes their division exact.
void expect_numbers_of_row(const TargetPuzzle& p) {
    const Given& g = p.given;
    for (const Range& r : row(p.template_number)) {
        if (r.slot <= N5) {
            EXPECT_TRUE(within(g[r.slot], r.low, r.high)) << "N" << r.slot + 1 << " " << g[r.slot];
        }
    }
    switch (p.template_number) {
    case 1:
        EXPECT_EQ(g[3] % g[4], 0);
        EXPECT_TRUE(within(g[3] / g[4], 2, 8));
        break;
    case 3:
    case 6:
        EXPECT_EQ(g[0] % g[1], 0);
        EXPECT_TRUE(within(g[0] / g[1], 2, 8));
        break;
    case 13:
    case 14:
        EXPECT_TRUE(within(g[3], 2, 11));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(g[i] % g[3], 0);
            EXPECT_TRUE(within(g[i] / g[3], 1, 9));
        }
        break;
    }
    // Bracket tests, worked out here rather than by the evaluator under test.
    switch (p.template_number) {
    case 4:
    case 13:
        EXPECT_GT(g[0] + g[1] - g[2], 0);
        break;
    case 7:
        EXPECT_GT(g[0] - g[1] - g[2], 0);
        break;
    case 10:
        EXPECT_GT(g[0], g[1]);
        break;
    }
}

TEST_F(PuzzleGeneration, ManyPuzzlesAreTrueEquationsWithinTheirRanges) {
    ClockRandom random;
    std::optional<int> previous;
    const int puzzles = 60000;
    // counts[previous][next]
    std::array<std::array<int, 16>, 16> counts{};
    for (int i = 0; i < puzzles; ++i) {
        const TargetPuzzle p = make_problem(Kind::FiveNumbers, random, previous);
        SCOPED_TRACE(p.answer);
        ASSERT_TRUE(within(p.template_number, 1, 15));
        ASSERT_NE(std::optional<int>(p.template_number), previous);
        if (previous) {
            ++counts[std::size_t(*previous)][std::size_t(p.template_number)];
        }
        for (int n : p.given) {
            ASSERT_TRUE(within(n, 1, 157));
        }
        ASSERT_TRUE(within(p.target, 1, 3900));
        expect_numbers_of_row(p);

        AnswerReader reader(p.answer);
        const Fraction value = reader.read();
        ASSERT_EQ(value.den, 1);
        ASSERT_EQ(value.num, p.target);
        ASSERT_EQ(reader.numbers(), std::vector<int>(p.given.begin(), p.given.end()));
        previous = p.template_number;
    }
    // After each template, the other fourteen come about equally often. Chi-square
    // with 13 degrees of freedom: 60 is exceeded by chance about once in six million.
    for (int before = 1; before <= 15; ++before) {
        SCOPED_TRACE("after template " + std::to_string(before));
        const auto& next = counts[std::size_t(before)];
        const int total = std::accumulate(next.begin(), next.end(), 0);
        ASSERT_GT(total, 2000);
        const double expected = total / 14.0;
        double chi = 0.0;
        for (int t = 1; t <= 15; ++t) {
            if (t != before) {
                chi += std::pow(next[std::size_t(t)] - expected, 2) / expected;
            }
        }
        EXPECT_LT(chi, 60.0);
    }
}

TEST_F(PuzzleGeneration, WithoutAPreviousTemplateEveryTemplateCanCome) {
    ClockRandom random;
    std::array<int, 16> seen{};
    for (int i = 0; i < 3000; ++i) {
        ++seen[std::size_t(make_problem(Kind::FiveNumbers, random, std::nullopt).template_number)];
    }
    for (int t = 1; t <= 15; ++t) {
        EXPECT_GT(seen[std::size_t(t)], 0) << "template " << t;
    }
}

} // namespace
} // namespace chalkline::matchthetarget
