// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <string>

namespace chalkline::magicsquares {

// The two kinds of numbers the class can choose, in the order of the options.
enum class Kind { PositiveWhole, Integers };

// A puzzle: every square is built from a centre c and two offsets b and a, so each of its
// eight lines adds up to 3c whatever the three numbers are.
struct SquareParams {
    int c = 0;
    int b = 0;
    int a = 0;
};

// Which square value goes on which tile: 1 to 5, rows of the deal table.
using TileArrangement = int;

inline constexpr int square_size = 9;

// The nine values s1 to s9 of the solution square in reading order (top row first).
std::array<int, square_size> square_values(const SquareParams& params);

// Indices (0 = s1) of the square value on tiles 1 to 9 for an arrangement from 1 to 5.
const std::array<int, square_size>& arrangement_order(TileArrangement arrangement);

// The number texts on tiles 1 to 9 when the square is dealt by the arrangement.
std::array<std::string, square_size> deal(const SquareParams& params, TileArrangement arrangement);

// Positive whole numbers keep only squares whose nine values are all at least 1.
bool all_values_positive(const SquareParams& params);

struct GeneratedSquare {
    SquareParams params;
    TileArrangement arrangement = 1;
    std::array<std::string, square_size> tiles;
};

// A new puzzle: reseeds, draws the arrangement, then c, b and a in that order. Positive
// whole numbers draw c, b and a from 1 to 15 again until every value is positive;
// integers draw them once from -9 to 9.
GeneratedSquare make_problem(Kind kind, RandomSource& random);

// 3c, the sum along every line, and its text.
int magic_sum(const SquareParams& params);
std::string magic_sum_text(const SquareParams& params);

struct SquareSolution {
    std::array<std::string, square_size> cells; // s1 to s9 in reading order
    std::string magic_sum;
};

SquareSolution solution(const SquareParams& params);

} // namespace chalkline::magicsquares
