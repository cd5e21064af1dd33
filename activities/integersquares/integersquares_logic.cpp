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
    // Every given number is needed, and the diagonal sums nearly always fix the square
    // alone: Sums and Diagonals gives one number to a square they do not fix, Fewer Clues
    // none. By kind: Sums, Sums and Diagonals, Fewer Clues.
    constexpr std::array<grids::ClueRange, 3> kClues{{{2, 3}, {1, 1}, {0, 0}}};
    return kClues[std::size_t(kind)];
}

// Built: nine of the nineteen integers by a partial shuffle, then make_square_puzzle's
// bounded tries. Some sets of nine make squares that the diagonal sums nearly always fix
// alone, where Sums and Diagonals finds no square needing a given number: a few sets are
// tried in turn, and then the last is placed with make_square_puzzle's fallback.
grids::SquarePuzzle make_problem(Kind kind, RandomSource& random) {
    constexpr int kValueSets = 10;
    constexpr int kSquaresEach = 50;
    grids::Square values{};
    for (int set = 0; set < kValueSets; ++set) {
        std::array<int, kHighest - kLowest + 1> integers{};
        std::iota(integers.begin(), integers.end(), kLowest);
        grids::shuffle_front(integers, grids::kCells, random);
        std::copy_n(integers.begin(), grids::kCells, values.begin());
        if (auto puzzle = grids::find_square_puzzle(values, rules_of(kind), clues_of(kind), random,
                                                    kSquaresEach)) {
            return *puzzle;
        }
    }
    return grids::make_square_puzzle(values, rules_of(kind), clues_of(kind), random);
}

} // namespace chalkline::integersquares
