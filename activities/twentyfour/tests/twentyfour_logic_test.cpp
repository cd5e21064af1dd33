// SPDX-License-Identifier: GPL-3.0-or-later
#include "twentyfour_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace chalkline::twentyfour {
namespace {

std::string way(const char* text) {
    return way_of(parse_expression(text));
}

// "Target 1 to 30" draws its set of numbers evenly, whatever the number of targets a set
// makes: the sets that make more targets than the median set come up no more often, set
// for set, than the others (drawn pair by pair they would come up several times as often).
void expect_sets_drawn_evenly(const std::map<std::array<int, 4>, int>& drawn) {
    std::map<std::array<int, 4>, int> targets;
    for (const Puzzle& p : solvable_puzzles(Kind::target_one_to_thirty)) {
        ++targets[p.numbers];
    }
    std::vector<int> counts;
    for (const auto& [numbers, count] : targets) {
        counts.push_back(count);
    }
    std::nth_element(counts.begin(), counts.begin() + counts.size() / 2, counts.end());
    const int median = counts[counts.size() / 2];
    double draws[2] = {0, 0};
    double sets[2] = {0, 0};
    for (const auto& [numbers, count] : targets) {
        const auto found = drawn.find(numbers);
        const int many = count > median;
        draws[many] += found == drawn.end() ? 0 : found->second;
        sets[many] += 1;
    }
    const double ratio = (draws[1] / sets[1]) / (draws[0] / sets[0]);
    EXPECT_TRUE(ratio > 0.75 && ratio < 1.33) << ratio;
}

// Every problem of every kind: four numbers of the kind's range, a solvable puzzle, and a
// solution that uses exactly those numbers and makes the target exactly; sets of four
// equal numbers among them.
TEST(TwentyFour, EveryProblemIsSolvedByItsSolution) {
    for (const Kind kind : {Kind::one_to_nine, Kind::one_to_thirteen, Kind::target_one_to_thirty}) {
        const int top = kind == Kind::one_to_thirteen ? 13 : 9;
        int all_equal = 0;
        std::map<std::array<int, 4>, int> drawn;
        for (std::uint32_t seed = 0; seed < 2000; ++seed) {
            SeededRandom random(seed);
            const Problem problem = make_problem(kind, random);
            const Puzzle& p = problem.puzzle;
            const std::string solution = expression_text(problem.answer.solution);
            SCOPED_TRACE(solution);
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
            // A factor or divisor of 1, wherever it is put, makes no way of its own.
            const Expression& s = problem.answer.solution;
            const Expression one = Expression::number(1);
            for (const Operator op : {Operator::multiply, Operator::divide}) {
                EXPECT_EQ(way_of(Expression::binary(op, s, one)), way_of(s));
                EXPECT_EQ(way_of(s.with_operands(Expression::binary(op, s.left(), one), s.right())),
                          way_of(s));
            }
            all_equal += p.numbers[0] == p.numbers[3];
            ++drawn[p.numbers];
        }
        EXPECT_GT(all_equal, 0);
        if (kind == Kind::target_one_to_thirty) {
            expect_sets_drawn_evenly(drawn);
        }
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
        // 3 x 8 with its factors and divisors of 1 (1 x 1 x 3 x 8, 3 x 8 ÷ 1 ÷ 1...),
        // 1 + 3 x 8 - 1, 3 x (8 + 1 - 1) and 8 x (3 + 1 - 1); of the simplest, with no
        // brackets nor division, the text decides.
        {{{1, 1, 3, 8}, 24}, "1 + 3 x 8 - 1", 4},
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
    EXPECT_EQ(way("3 x 8 x 1"), way("3 x 8 \xC3\xB7 1"));
}

} // namespace
} // namespace chalkline::twentyfour
