// SPDX-License-Identifier: GPL-3.0-or-later
// Integer Squares over many seeds: nine different integers from -9 to 9, the sums of
// the square, the given numbers in range and one square only that fits them.

#include "integersquares_logic.h"

#include "grid_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace chalkline;
using namespace chalkline::integersquares;

TEST(IntegerSquares, EveryKindMakesPuzzlesWithOneSquareOnly) {
    EXPECT_FALSE(rules_of(Kind::Sums).diagonals);
    EXPECT_TRUE(rules_of(Kind::FewerClues).diagonals);
    EXPECT_EQ(clues_of(Kind::FewerClues).most, 2);
    std::set<int> seen;
    grids::testing::check_runs<Kind, grids::SquarePuzzle>(
        make_problem, {Kind::Sums, Kind::SumsAndDiagonals, Kind::FewerClues},
        [&](Kind kind, const grids::SquarePuzzle& p, bool fallback) {
            seen.insert(p.values.begin(), p.values.end());
            grids::testing::check_square_puzzle(
                p, rules_of(kind), clues_of(kind), fallback, [](const grids::Square& values) {
                    return std::set<int>(values.begin(), values.end()).size() == 9 &&
                           values.front() >= -9 && values.back() <= 9;
                });
        });
    // Every integer from -9 to 9, 0 among them, takes part.
    EXPECT_EQ(seen.size(), 19u);
}
