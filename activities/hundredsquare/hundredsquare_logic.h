// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <optional>
#include <vector>

namespace chalkline::hundredsquare {

// The ten by ten square of numbers written row by row, each one more than the number
// to its left and ten more than the number above it.
enum class Kind {
    OneToHundred,   // the square from 1 to 100, 12 to 20 numbers hidden
    Pieces,         // a piece of 5 to 9 joined squares of it, one number given
    FromMinusFifty, // the square from -50 to 49, 12 to 20 numbers hidden
};

inline constexpr int kSide = 10;

// The number at a row and column (0 to 9, from the top left) of the kind's square; a
// piece is cut from the square of 1 to 100.
int square_number(Kind kind, int row, int column);

struct Square {
    int row = 0;
    int column = 0;
    int number = 0;
    bool hidden = false;
    friend bool operator==(const Square&, const Square&) = default;
};

// The squares shown, in reading order: the whole square, or the squares of a piece in
// their places in the whole square.
struct HundredProblem {
    Kind kind = Kind::OneToHundred;
    std::vector<Square> squares;
    friend bool operator==(const HundredProblem&, const HundredProblem&) = default;
};

// A new problem of the kind.
HundredProblem make_problem(Kind kind, RandomSource& random);

} // namespace chalkline::hundredsquare
