// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "square_puzzle.h"

#include <optional>

namespace chalkline::integersquares {

// Nine different integers from -9 to 9 (0 may be one of them), told to the class, in a
// 3 by 3 square with the sum of every row and column beside it, and in two kinds the
// sums of the diagonals too; a few of them are given, so that one square only fits.
enum class Kind {
    Sums,             // row and column sums, 3 or 4 numbers given
    SumsAndDiagonals, // row, column and diagonal sums, 3 or 4 numbers given
    FewerClues,       // row, column and diagonal sums, 2 numbers given
};

inline constexpr int kLowest = -9;
inline constexpr int kHighest = 9;

grids::SquareRules rules_of(Kind kind);
grids::ClueRange clues_of(Kind kind);

// A new puzzle of the kind, never the one before: nine integers drawn at random, then
// placed by make_square_puzzle.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random,
                                 const std::optional<grids::SquarePuzzle>& previous = std::nullopt);

} // namespace chalkline::integersquares
