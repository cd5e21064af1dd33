// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbersquares_logic.h"

namespace chalkline::numbersquares {

grids::SquareRules rules_of(Kind kind) {
    return {.products = kind == Kind::Products, .diagonals = false};
}

grids::ClueRange clues_of(Kind kind) {
    // Every given digit is needed: the sums leave a square of digits several ways to
    // fill, the products seldom more than one or two. By kind: Sums, Products, Fewer Clues.
    constexpr std::array<grids::ClueRange, 3> kClues{{{2, 3}, {1, 2}, {1, 1}}};
    return kClues[std::size_t(kind)];
}

// Built by make_square_puzzle: bounded tries with a fallback that always fits.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random) {
    const grids::Square digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    return grids::make_square_puzzle(digits, rules_of(kind), clues_of(kind), random);
}

} // namespace chalkline::numbersquares
