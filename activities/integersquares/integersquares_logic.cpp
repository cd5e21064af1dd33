// SPDX-License-Identifier: GPL-3.0-or-later
#include "integersquares_logic.h"

#include "grid_random.h"

#include <algorithm>
#include <numeric>

namespace chalkline::integersquares {

grids::SquareRules rules_of(Kind kind) {
    return {.products = false, .diagonals = kind != Kind::Sums};
}

grids::ClueRange clues_of(Kind kind) {
    return kind == Kind::FewerClues ? grids::ClueRange{2, 2} : grids::ClueRange{3, 4};
}

// Built: nine of the nineteen integers by a partial shuffle, then make_square_puzzle's
// bounded tries with a fallback that always fits.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random,
                                 const std::optional<grids::SquarePuzzle>& previous) {
    random.reseed();
    std::array<int, kHighest - kLowest + 1> integers{};
    std::iota(integers.begin(), integers.end(), kLowest);
    grids::shuffle_front(integers, grids::kCells, random);
    grids::Square values{};
    std::copy_n(integers.begin(), grids::kCells, values.begin());
    return grids::make_square_puzzle(values, rules_of(kind), clues_of(kind), random, previous);
}

} // namespace chalkline::integersquares
