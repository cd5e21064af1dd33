// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbersquares_logic.h"

namespace chalkline::numbersquares {

grids::SquareRules rules_of(Kind kind) {
    return {.products = kind == Kind::Products, .diagonals = false};
}

grids::ClueRange clues_of(Kind kind) {
    return kind == Kind::FewerClues ? grids::ClueRange{2, 2} : grids::ClueRange{3, 4};
}

// Built by make_square_puzzle: bounded tries with a fallback that always fits.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random,
                                 const std::optional<grids::SquarePuzzle>& previous) {
    random.reseed();
    const grids::Square digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    return grids::make_square_puzzle(digits, rules_of(kind), clues_of(kind), random, previous);
}

} // namespace chalkline::numbersquares
