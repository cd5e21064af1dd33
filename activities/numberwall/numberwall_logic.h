// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"
#include "triangle.h"

#include <string>
#include <vector>

namespace chalkline::numberwall {

// The kinds of number on the bottom row, in the order of the screen's options.
enum class Kind { PositiveWholeNumbers, Integers, Decimals };

// A wall of four rows with four bricks on its bottom row.
inline constexpr int kRows = 4;
inline constexpr int kBottom = kRows;
inline constexpr int kBricks = kRows * (kRows + 1) / 2;

// A wall to complete. The bricks are numbered as boards::cell_of numbers them: the top
// brick first, the bottom row last.
struct Wall {
    Kind kind = Kind::PositiveWholeNumbers;
    std::vector<Fraction> bricks;
    std::vector<bool> shown;
    // The order in which Solution fills the hidden bricks, each from two known ones.
    std::vector<boards::Step> steps;
    friend bool operator==(const Wall&, const Wall&) = default;
};

// The sets of bricks a wall shows: four bricks, just enough to fix the four of the
// bottom row, whose linear system has exactly one solution; the hidden bricks can then
// be worked out one at a time, and doing so takes both an addition and a subtraction.
// Worked out once, on first use.
const std::vector<std::vector<bool>>& shown_sets();

// Whether the shown bricks fix every brick of the wall: the system of their equations
// in the four bottom bricks has a single solution.
bool determines_wall(const std::vector<bool>& shown);

// A new wall of the kind, never the one before: a random bottom row (1 to 20; -10 to
// 10; 0.1 to 9.9 with one decimal place) and a random one of the shown sets. Bounded:
// a few draws, then another shown set, which differs for certain.
Wall make_problem(Kind kind, RandomSource& random, const Wall* previous = nullptr);

// "?, 5, ?, 2; 9, ?, ?; ?, 13; 30": the wall row by row from the bottom, hidden bricks
// as "?" (every brick when all_shown is set).
std::string wall_text(const Wall& wall, bool all_shown = false);
// A brick as the class writes it: "12", "-3", "4.5".
std::string brick_text(const Fraction& brick);

} // namespace chalkline::numberwall
