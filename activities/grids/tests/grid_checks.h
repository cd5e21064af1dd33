// SPDX-License-Identifier: GPL-3.0-or-later
// What the logic tests of the grid screens share: a random source stuck on one value,
// which makes every draw repeat and so drives each generator into its fallback, and
// the checks of a 3 by 3 square puzzle.
#pragma once

#include "random.h"
#include "square_puzzle.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace chalkline::grids::testing {

class StuckRandom final : public RandomSource {
public:
    float next() override { return 0.0f; }
};

// Whether a square has the puzzle's totals, worked out line by line here.
inline bool has_totals(const SquarePuzzle& p, const Square& s) {
    const auto total = [&](int a, int b, int c) {
        const auto at = [&](int i) { return s[std::size_t(i)]; };
        return p.rules.products ? at(a) * at(b) * at(c) : at(a) + at(b) + at(c);
    };
    for (int i = 0; i < 3; ++i) {
        const auto k = std::size_t(i);
        if (total(3 * i, 3 * i + 1, 3 * i + 2) != p.totals.rows[k] ||
            total(i, i + 3, i + 6) != p.totals.columns[k]) {
            return false;
        }
    }
    return !p.rules.diagonals ||
           (total(0, 4, 8) == p.totals.diagonals[0] && total(6, 4, 2) == p.totals.diagonals[1]);
}

// The squares that fit the puzzle, counted without its solver: every order of the
// numbers not given in the cells not given, filled in reading order, each row checked
// against its total as soon as it is full.
inline int squares_fitting(const SquarePuzzle& p) {
    std::vector<int> free;
    for (std::size_t c = 0; c < kCells; ++c) {
        if (!p.given[c]) {
            free.push_back(p.answer[c]);
        }
    }
    std::vector<bool> used(free.size());
    Square s = p.answer;
    const auto row_total = [&](std::size_t row) {
        const int a = s[3 * row], b = s[3 * row + 1], c = s[3 * row + 2];
        return p.rules.products ? a * b * c : a + b + c;
    };
    const std::function<int(std::size_t)> fill = [&](std::size_t cell) -> int {
        if (cell > 0 && cell % 3 == 0 && row_total(cell / 3 - 1) != p.totals.rows[cell / 3 - 1]) {
            return 0;
        }
        if (cell == kCells) {
            return has_totals(p, s) ? 1 : 0;
        }
        if (p.given[cell]) {
            return fill(cell + 1);
        }
        int count = 0;
        for (std::size_t i = 0; i < free.size(); ++i) {
            if (!used[i]) {
                used[i] = true;
                s[cell] = free[i];
                count += fill(cell + 1);
                used[i] = false;
            }
        }
        return count;
    };
    return fill(0);
}

template <class Kind, class Problem> using Make = Problem (*)(Kind, RandomSource&);

// For each kind, the problems of `count` seeds, each passing `check`. Then a stuck
// source, on which every draw repeats, drives the generator into its fallback: the
// problem it makes must still pass `check` (told it is the fallback's).
template <class Kind, class Problem>
void check_runs(Make<Kind, Problem> make, std::initializer_list<Kind> kinds,
                const std::function<void(Kind, const Problem&, bool fallback)>& check,
                std::uint32_t count = 2000) {
    for (Kind kind : kinds) {
        SCOPED_TRACE(int(kind));
        for (std::uint32_t seed = 0; seed < count && !::testing::Test::HasFatalFailure(); ++seed) {
            SeededRandom random(seed);
            check(kind, make(kind, random), false);
        }
        StuckRandom stuck;
        check(kind, make(kind, stuck), true);
    }
}

// What the class relies on in a square puzzle: the nine values are the square's,
// smallest first, and pass the activity's own check; the totals hold; the given count
// is in range (the fallback's may not be); one square only fits, and every given cell
// is needed: without it another square fits too.
inline void check_square_puzzle(const SquarePuzzle& p, SquareRules rules, ClueRange clues,
                                bool fallback,
                                const std::function<bool(const Square&)>& values_ok) {
    ASSERT_TRUE(values_ok(p.values));
    ASSERT_TRUE(std::is_sorted(p.values.begin(), p.values.end()));
    ASSERT_TRUE(std::is_permutation(p.values.begin(), p.values.end(), p.answer.begin()));
    ASSERT_EQ(p.rules, rules);
    ASSERT_TRUE(has_totals(p, p.answer));
    ASSERT_TRUE(fallback || (p.given_count() >= clues.fewest && p.given_count() <= clues.most));
    ASSERT_EQ(squares_fitting(p), 1);
    for (std::size_t cell = 0; cell < kCells; ++cell) {
        if (p.given[cell]) {
            SquarePuzzle without = p;
            without.given[cell] = false;
            ASSERT_GT(squares_fitting(without), 1) << "cell " << cell << " is not needed";
        }
    }
}

} // namespace chalkline::grids::testing
