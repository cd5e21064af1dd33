// SPDX-License-Identifier: GPL-3.0-or-later
#include "twentyfour_logic.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace chalkline::twentyfour {
namespace {

std::string way(const char* text) {
    return way_of(parse_expression(text));
}

// Every problem of every kind: four numbers of the kind's range, a solvable puzzle, and a
// solution that uses exactly those numbers and makes the target exactly; never the same
// puzzle twice running; sets of four equal numbers among them.
TEST(TwentyFour, EveryProblemIsSolvedByItsSolution) {
    for (const Kind kind : {Kind::one_to_nine, Kind::one_to_thirteen, Kind::target_one_to_thirty}) {
        SeededRandom random(static_cast<std::uint32_t>(kind) + 7);
        const int top = kind == Kind::one_to_thirteen ? 13 : 9;
        Puzzle previous{};
        int all_equal = 0;
        for (int i = 0; i < 2000; ++i) {
            const Problem problem = make_problem(kind, random, i ? &previous : nullptr);
            const Puzzle& p = problem.puzzle;
            const std::string solution = expression_text(problem.answer.solution);
            SCOPED_TRACE(solution);
            EXPECT_NE(p, previous);
            EXPECT_TRUE(std::is_sorted(p.numbers.begin(), p.numbers.end()));
            EXPECT_GE(p.numbers[0], 1);
            EXPECT_LE(p.numbers[3], top);
            if (kind == Kind::target_one_to_thirty) {
                EXPECT_TRUE(p.target >= 1 && p.target <= 30 && p.target != 24);
            } else {
                EXPECT_EQ(p.target, 24);
            }
            EXPECT_EQ(evaluate(problem.answer.solution), Fraction(p.target));
            std::vector<Fraction> used = numbers_in(problem.answer.solution);
            std::sort(used.begin(), used.end());
            EXPECT_EQ(used, std::vector<Fraction>(p.numbers.begin(), p.numbers.end()));
            EXPECT_GE(problem.answer.ways, 1);
            all_equal += p.numbers[0] == p.numbers[3];
            previous = p;
        }
        EXPECT_GT(all_equal, 0);
    }
}

// The lists hold exactly the solvable sets: of the 1,820 sets of 1 to 13, 1,362 make 24;
// of the 495 sets of 1 to 9, 404. For the other targets the quick search that makes the
// list agrees with the exact one that solves, target by target, on the sets 1, 1, c, d.
TEST(TwentyFour, ListsHoldEverySolvableSet) {
    EXPECT_EQ(solvable_puzzles(Kind::one_to_thirteen).size(), 1362u);
    EXPECT_EQ(solvable_puzzles(Kind::one_to_nine).size(), 404u);
    const auto& targets = solvable_puzzles(Kind::target_one_to_thirty);
    for (int c = 1; c <= 9; ++c) {
        for (int d = c; d <= 9; ++d) {
            for (int target = 1; target <= 30; ++target) {
                const Puzzle p{{1, 1, c, d}, target};
                const bool listed = std::find(targets.begin(), targets.end(), p) != targets.end();
                EXPECT_EQ(listed, target != 24 && solve(p).ways > 0)
                    << c << ", " << d << ": " << target;
            }
        }
    }
}

TEST(TwentyFour, SimplestSolutionAndWays) {
    const struct {
        Puzzle puzzle;
        const char* simplest;
        int ways;
    } rows[] = {
        {{{3, 3, 8, 8}, 24}, "8 \xC3\xB7 (3 - 8 \xC3\xB7 3)", 1}, // only with a fraction
        {{{1, 5, 5, 5}, 24}, "(5 - 1 \xC3\xB7 5) x 5", 1},
        // 1 x 1 x 3 x 8, 1 ÷ 1 x 3 x 8, 3 x 8 ÷ 1 ÷ 1, 1 + 3 x 8 - 1, 3 x (8 + 1 - 1) and
        // 8 x (3 + 1 - 1); the first two have no brackets nor division: the text decides.
        {{{1, 1, 3, 8}, 24}, "1 + 3 x 8 - 1", 6},
    };
    for (const auto& row : rows) {
        const Answer answer = solve(row.puzzle);
        EXPECT_EQ(expression_text(answer.solution), row.simplest);
        EXPECT_EQ(answer.ways, row.ways) << row.simplest;
    }
    // Order and regrouping of sums and products make no new way; signs that differ do.
    EXPECT_EQ(way("8 x 3"), way("3 x 8"));
    EXPECT_EQ(way("(2 x 4) x 3"), way("2 x (3 x 4)"));
    EXPECT_EQ(way("9 - (4 - 1)"), way("9 + 1 - 4"));
    EXPECT_EQ(way("8 \xC3\xB7 (2 \xC3\xB7 6)"), way("8 x 6 \xC3\xB7 2"));
    EXPECT_NE(way("(1 - 5) x (1 - 7)"), way("(5 - 1) x (7 - 1)"));
    EXPECT_NE(way("3 x 8 x 1"), way("3 x 8 \xC3\xB7 1"));
}

} // namespace
} // namespace chalkline::twentyfour
