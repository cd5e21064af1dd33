// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "square_puzzle.h"

namespace chalkline::integersquares {

// Nine different integers from -9 to 9 (0 may be one of them), told to the class, in a
// 3 by 3 square with the sum of every row and column beside it, and in two kinds the
// sums of the diagonals too; a few of them are given, so that one square only fits and
// every number given is needed.
enum class Kind {
    Sums,             // row and column sums, 2 or 3 numbers given
    SumsAndDiagonals, // row, column and diagonal sums, 1 number given
    FewerClues,       // row, column and diagonal sums alone
};

inline constexpr int kLowest = -9;
inline constexpr int kHighest = 9;

grids::SquareRules rules_of(Kind kind);
grids::ClueRange clues_of(Kind kind);

// A new puzzle of the kind: nine integers drawn at random, then placed by
// find_square_puzzle (a few sets in turn), else by make_square_puzzle.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random);

} // namespace chalkline::integersquares
