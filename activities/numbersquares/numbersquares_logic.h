// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "square_puzzle.h"

#include <optional>

namespace chalkline::numbersquares {

// The digits 1 to 9 in a 3 by 3 square, once each, with the total of every row and
// column beside it and a few digits given, so that one square only fits.
enum class Kind {
    Sums,       // row and column sums, 3 or 4 digits given
    Products,   // row and column products, 3 or 4 digits given
    FewerClues, // row and column sums, 2 digits given
};

grids::SquareRules rules_of(Kind kind);
grids::ClueRange clues_of(Kind kind);

// A new puzzle of the kind, never the one before.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random,
                                 const std::optional<grids::SquarePuzzle>& previous = std::nullopt);

} // namespace chalkline::numbersquares
