// SPDX-License-Identifier: GPL-3.0-or-later
#include "leibniz_logic.h"

#include "worked_out.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace chalkline::leibniz {
namespace {

using boards::cell_of;

// Over many puzzles of every kind: the entries are 1/(n x C(n-1, k)) in lowest terms
// and each is the sum of the two below it; 3 to 6 are hidden, never the top nor all of
// a row, an edge only alongside two inner numbers or more; the Solution works each out
// from shown ones.
TEST(LeibnizLogic, EveryPuzzleIsTheHarmonicTriangleToWorkOut) {
    for (const Kind kind : {Kind::Rows1To5, Kind::Rows1To7, Kind::Rows1To9}) {
        for (std::uint32_t seed = 0; seed < 2000; ++seed) {
            SeededRandom random(seed);
            const Puzzle puzzle = make_problem(kind, random);
            ASSERT_EQ(puzzle.rows, rows_of(kind));
            std::int64_t binomial = 1; // C(n - 1, k), along each row
            int edges_hidden = 0;
            int inner_hidden = 0;
            for (int n = 1; n <= puzzle.rows; ++n, binomial = 1) {
                int hidden_in_row = 0;
                for (int k = 0; k < n; binomial = binomial * (n - 1 - k) / (k + 1), ++k) {
                    const auto cell = std::size_t(cell_of(n - 1, k));
                    const Fraction& number = puzzle.numbers[cell];
                    ASSERT_EQ(number.numerator(), 1);
                    ASSERT_EQ(number.denominator(), n * binomial);
                    if (n < puzzle.rows) {
                        ASSERT_EQ(number, puzzle.numbers[std::size_t(cell_of(n, k))] +
                                              puzzle.numbers[std::size_t(cell_of(n, k + 1))]);
                    }
                    hidden_in_row += !puzzle.shown[cell];
                    (k == 0 || k == n - 1 ? edges_hidden : inner_hidden) += !puzzle.shown[cell];
                }
                ASSERT_LT(hidden_in_row, n);
            }
            ASSERT_GE(inner_hidden, edges_hidden > 0 ? 2 : 1);
            const auto hidden = std::count(puzzle.shown.begin(), puzzle.shown.end(), false);
            ASSERT_GE(hidden, 3);
            ASSERT_LE(hidden, 6);
            ASSERT_TRUE(
                boards::testing::worked_out(puzzle.numbers, puzzle.shown, puzzle.steps, true));
        }
    }
}

// When every random choice fails (here the same one, hiding all of row 2, again and
// again), numbers away from the edges are hidden instead.
TEST(LeibnizLogic, FailedChoicesFallBackToInnerNumbers) {
    boards::testing::StuckRandom random;
    const Puzzle puzzle = make_problem(Kind::Rows1To5, random);
    EXPECT_EQ(std::count(puzzle.shown.begin(), puzzle.shown.end(), false), 3);
    EXPECT_TRUE(boards::testing::worked_out(puzzle.numbers, puzzle.shown, puzzle.steps, true));
}

} // namespace
} // namespace chalkline::leibniz
