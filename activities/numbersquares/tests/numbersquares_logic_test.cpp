// SPDX-License-Identifier: GPL-3.0-or-later
// Number Squares over many seeds: the digits 1 to 9 once each, the totals of the
// square, the given digits in range and one square only that fits them.

#include "numbersquares_logic.h"

#include "grid_checks.h"

#include <gtest/gtest.h>

using namespace chalkline;
using namespace chalkline::numbersquares;

TEST(NumberSquares, EveryKindMakesPuzzlesWithOneSquareOnly) {
    EXPECT_EQ(clues_of(Kind::Sums).fewest, 3);
    EXPECT_EQ(clues_of(Kind::FewerClues).most, 2);
    EXPECT_TRUE(rules_of(Kind::Products).products);
    grids::testing::check_runs<Kind, grids::SquarePuzzle>(
        make_problem, {Kind::Sums, Kind::Products, Kind::FewerClues},
        [](Kind kind, const grids::SquarePuzzle& p, bool fallback) {
            grids::testing::check_square_puzzle(
                p, rules_of(kind), clues_of(kind), fallback, [](const grids::Square& values) {
                    return values == grids::Square{1, 2, 3, 4, 5, 6, 7, 8, 9};
                });
        });
}

// The solver counts what the square's totals alone allow: the example of the guide
// has two digits more than it needs, and without any digit other squares fit.
TEST(NumberSquares, CountsTheSquaresThatFit) {
    grids::SquarePuzzle puzzle;
    puzzle.values = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    puzzle.answer = {4, 5, 3, 9, 6, 1, 8, 7, 2};
    puzzle.totals = grids::totals_of(puzzle.answer, {});
    EXPECT_EQ(puzzle.totals.rows, (std::array{12, 16, 17}));
    EXPECT_EQ(puzzle.totals.columns, (std::array{21, 18, 6}));
    puzzle.given = {false, true, false, false, false, true, true, false, false};
    EXPECT_EQ(grids::count_squares(puzzle, 10), 1);
    puzzle.given = {};
    EXPECT_EQ(grids::count_squares(puzzle, 1000), grids::testing::squares_fitting(puzzle));
    EXPECT_GT(grids::count_squares(puzzle, 1000), 1);
}
