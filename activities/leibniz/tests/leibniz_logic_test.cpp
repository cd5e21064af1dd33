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
// a row; the Solution works each out from shown ones; no puzzle repeats the one before.
TEST(LeibnizLogic, EveryPuzzleIsTheHarmonicTriangleToWorkOut) {
    for (const Kind kind : {Kind::Rows1To5, Kind::Rows1To7, Kind::Rows1To9}) {
        SeededRandom random{std::uint32_t(int(kind) + 1)};
        Puzzle previous;
        for (int round = 0; round < 2000; ++round) {
            const Puzzle puzzle = make_problem(kind, random, round ? &previous : nullptr);
            ASSERT_EQ(puzzle.rows, rows_of(kind));
            ASSERT_NE(puzzle, previous);
            std::int64_t binomial = 1; // C(n - 1, k), along each row
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
                }
                ASSERT_LT(hidden_in_row, n);
            }
            const auto hidden = std::count(puzzle.shown.begin(), puzzle.shown.end(), false);
            ASSERT_GE(hidden, 3);
            ASSERT_LE(hidden, 6);
            ASSERT_TRUE(
                boards::testing::worked_out(puzzle.numbers, puzzle.shown, puzzle.steps, true));
            previous = puzzle;
        }
    }
}

// When every random choice fails (here the same one, hiding all of row 2, again and
// again), numbers away from the edges are hidden instead, and never the same as before.
TEST(LeibnizLogic, FailedChoicesFallBackToInnerNumbers) {
    boards::testing::StuckRandom random;
    const Puzzle first = make_problem(Kind::Rows1To5, random);
    const Puzzle second = make_problem(Kind::Rows1To5, random, &first);
    EXPECT_NE(second, first);
    for (const Puzzle* puzzle : {&first, &second}) {
        EXPECT_EQ(std::count(puzzle->shown.begin(), puzzle->shown.end(), false), 3);
        EXPECT_TRUE(
            boards::testing::worked_out(puzzle->numbers, puzzle->shown, puzzle->steps, true));
    }
}

} // namespace
} // namespace chalkline::leibniz
