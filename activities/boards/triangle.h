// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace chalkline::boards {

// A triangle of numbers: row 0 at the top holds one number and every row one more, each
// number standing between the two below it. The numbers are kept row by row from the
// top, left to right, so that the board on the screen and the rules share one numbering.
int cell_count(int rows);
int cell_of(int row, int place);
int row_of(int cell);

// value[total] = value[first] + value[second].
struct SumRule {
    int total = 0;
    int first = 0;
    int second = 0;
};

// Each number is the sum of the two below it (a number wall, the harmonic triangle).
std::vector<SumRule> sums_of_two_below(int rows);
// Each number inside the triangle is the sum of the two above it (Pascal's triangle).
std::vector<SumRule> sums_of_two_above(int rows);

// The first `rows` rows of Pascal's triangle, each inner number the sum of the two
// above it. Exact for up to 64 rows (the largest number, C(63, 31), is below 2^63);
// more rows are refused rather than overflow.
std::vector<std::int64_t> pascal_triangle(int rows);

// One step of working out: the cell found from the two cells `from` by one rule, by
// adding them (the cell is their total) or by taking one from the other.
struct Step {
    int cell = 0;
    std::array<int, 2> from{};
    bool adding = true;
    friend bool operator==(const Step&, const Step&) = default;
};

// An order in which the unknown cells can be worked out one at a time, each from two
// known ones, or nothing when some cell cannot. Additions come first where there is a
// choice (a class adds before it subtracts), then the cell nearest the top left.
std::optional<std::vector<Step>> work_out(const std::vector<SumRule>& rules,
                                          std::vector<bool> known);

// The numbers of a triangle row by row for a screen reader: "1; 1, 1; 1, ?, 1", from
// the top, or from the bottom row when bottom_first is set. Hidden cells read "?"; an
// empty `shown` shows every cell.
std::string rows_text(int rows, const std::vector<std::string>& texts,
                      const std::vector<bool>& shown, bool bottom_first = false);

// count different cells of the pool in a random order (a partial shuffle).
std::vector<int> pick_cells(std::vector<int> pool, int count, RandomSource& random);
// Every one of `cells` cells shown but the hidden ones.
std::vector<bool> shown_except(int cells, const std::vector<int>& hidden);

} // namespace chalkline::boards
