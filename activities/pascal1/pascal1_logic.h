// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "triangle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chalkline::pascal1 {

// The kinds, in the order of the screen's options: rows 0 to 7, 0 to 10 and 0 to 13.
enum class Kind { Rows0To7, Rows0To10, Rows0To13 };
int last_row(Kind kind);

// Pascal's triangle with some numbers hidden. Numbers are kept as boards::cell_of
// numbers them: row 0 (the single 1) first.
struct Puzzle {
    Kind kind = Kind::Rows0To7;
    int rows = 0;
    std::vector<std::int64_t> numbers;
    std::vector<bool> shown;
    // The order Solution fills the hidden numbers, each from the two above it.
    std::vector<boards::Step> steps;
    friend bool operator==(const Puzzle&, const Puzzle&) = default;
};

// A new puzzle of the kind, never the one before: 4 to 8 numbers hidden inside the
// triangle, never a 1 of the edges. Each hidden number is the sum of the two above it,
// so, row by row from the top, every one can be worked out. Built constructively: a
// random choice of the inner cells, drawn again a bounded number of times while it is
// the one before, then changed in one cell for certain.
Puzzle make_problem(Kind kind, RandomSource& random, const Puzzle* previous = nullptr);

// "1; 1, 1; 1, ?, 1; ...": the rows from the top, hidden numbers as "?" (none when
// all_shown is set).
std::string triangle_text(const Puzzle& puzzle, bool all_shown = false);

} // namespace chalkline::pascal1
