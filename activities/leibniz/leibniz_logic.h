// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"
#include "triangle.h"

#include <string>
#include <vector>

namespace chalkline::leibniz {

// The kinds, in the order of the screen's options: rows 1 to 5, 1 to 7 and 1 to 9.
enum class Kind { Rows1To5, Rows1To7, Rows1To9 };
int rows_of(Kind kind);

// The harmonic triangle: row n (from 1) starts and ends with 1/n, and every number is
// the sum of the two below it. Its number in row n, place k (from 0) is
// 1 / (n x C(n - 1, k)).
Fraction entry(int row, int place);

// The triangle with some numbers hidden. Numbers are kept as boards::cell_of numbers
// them: the 1 of row 1 first.
struct Puzzle {
    Kind kind = Kind::Rows1To5;
    int rows = 0;
    std::vector<Fraction> numbers;
    std::vector<bool> shown;
    // The order Solution fills the hidden numbers, each from two known ones.
    std::vector<boards::Step> steps;
    friend bool operator==(const Puzzle&, const Puzzle&) = default;
};

// A new puzzle of the kind, never the one before: 3 to 6 numbers hidden below the top,
// never all of a row, each to be worked out from the shown ones by the sums of the
// triangle. A bounded number of random choices, each checked; should all of them fail,
// numbers away from the edges, which the edges always give, are hidden instead.
Puzzle make_problem(Kind kind, RandomSource& random, const Puzzle* previous = nullptr);

// "1; 1/2, 1/2; 1/3, ?, 1/3; ...": the rows from the top, hidden numbers as "?" (none
// when all_shown is set).
std::string triangle_text(const Puzzle& puzzle, bool all_shown = false);

} // namespace chalkline::leibniz
