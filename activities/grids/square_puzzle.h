// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <optional>

namespace chalkline::grids {

// A 3 by 3 square of nine different whole numbers, its cells in reading order (top row
// first, each row left to right), and the totals written beside it: the class is told
// the nine numbers, the totals and a few of the cells, and fills in the rest.
inline constexpr int kSide = 3;
inline constexpr int kCells = kSide * kSide;
using Square = std::array<int, kCells>;

// How the totals are made.
struct SquareRules {
    bool products = false;  // each total is the product of its line, else its sum
    bool diagonals = false; // the two diagonals have totals as well as the rows and columns
    friend bool operator==(const SquareRules&, const SquareRules&) = default;
};

struct SquareTotals {
    std::array<int, kSide> rows{};
    std::array<int, kSide> columns{};
    // The falling diagonal (top left to bottom right), then the rising one (bottom left
    // to top right); both 0 when the rules have no diagonals.
    std::array<int, 2> diagonals{};
    friend bool operator==(const SquareTotals&, const SquareTotals&) = default;
};

SquareTotals totals_of(const Square& square, SquareRules rules);

struct SquarePuzzle {
    Square values{}; // the nine numbers to place, smallest first
    Square answer{}; // the one square that fits
    std::array<bool, kCells> given{};
    SquareRules rules;
    SquareTotals totals;
    int given_count() const;
    friend bool operator==(const SquarePuzzle&, const SquarePuzzle&) = default;
};

// How many squares hold each of the puzzle's nine values once, have its totals and agree
// with its given cells; counting stops at `limit`. The search chooses the two left cells
// of the top two rows and works the other five out from the totals, so it visits at most
// 9 x 8 x 7 x 6 choices.
int count_squares(const SquarePuzzle& puzzle, int limit = 2);

// The number of given cells, drawn from fewest to most.
struct ClueRange {
    int fewest = 0;
    int most = 0;
};

// A new puzzle: the values in a random square and a random set of given cells, of a size
// drawn from `clues`, such that exactly one square fits and every given cell is needed
// (without any one of them another square fits).
//
// Bounded: up to a fixed number of squares are drawn (those the totals alone fix are
// passed over unless `clues` allows none), and for each every set of cells of the drawn
// size is tried in a random order. Should every try fail, the last square is given
// cells one by one in a random order until it alone fits, which eight cells always do,
// and then loses each one it does not need: every given cell needed, but their number
// may lie outside `clues`. Products need values without 0 (a 0 would make a total say
// nothing).
SquarePuzzle make_square_puzzle(const Square& values, SquareRules rules, ClueRange clues,
                                RandomSource& random);

// make_square_puzzle's tries alone, `tries` squares of them: nothing when they all fail,
// so that a caller may draw other values first.
std::optional<SquarePuzzle> find_square_puzzle(const Square& values, SquareRules rules,
                                               ClueRange clues, RandomSource& random, int tries);

} // namespace chalkline::grids
