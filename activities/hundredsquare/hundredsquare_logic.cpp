// SPDX-License-Identifier: GPL-3.0-or-later
#include "hundredsquare_logic.h"

#include "grid_random.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace chalkline::hundredsquare {

namespace {

constexpr int kFewestHidden = 12;
constexpr int kMostHidden = 20;
constexpr int kSmallestPiece = 5;
constexpr int kLargestPiece = 9;

bool inside(int row, int column) {
    return row >= 0 && row < kSide && column >= 0 && column < kSide;
}

Square square_at(Kind kind, int index) {
    const int row = index / kSide;
    const int column = index % kSide;
    return {row, column, square_number(kind, row, column), false};
}

// The whole square with a random set of 12 to 20 numbers hidden.
HundredProblem whole_square(Kind kind, RandomSource& random) {
    std::array<int, kSide * kSide> order{};
    std::iota(order.begin(), order.end(), 0);
    const int hidden = random.draw(kFewestHidden, kMostHidden);
    grids::shuffle_front(order, std::size_t(hidden), random);
    HundredProblem problem{kind, {}};
    for (int index = 0; index < kSide * kSide; ++index) {
        problem.squares.push_back(square_at(kind, index));
    }
    for (int i = 0; i < hidden; ++i) {
        problem.squares[std::size_t(order[std::size_t(i)])].hidden = true;
    }
    return problem;
}

// A piece grown from a random square, one joined square at a time, each drawn from the
// squares that touch the piece by a side; all of them but one hidden.
HundredProblem piece(RandomSource& random) {
    const int size = random.draw(kSmallestPiece, kLargestPiece);
    std::vector<int> cells{random.draw(0, kSide * kSide - 1)};
    while (int(cells.size()) < size) {
        std::vector<int> touching;
        for (int cell : cells) {
            const int row = cell / kSide;
            const int column = cell % kSide;
            for (const auto& [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const int next = (row + dr) * kSide + column + dc;
                if (inside(row + dr, column + dc) &&
                    std::find(cells.begin(), cells.end(), next) == cells.end() &&
                    std::find(touching.begin(), touching.end(), next) == touching.end()) {
                    touching.push_back(next);
                }
            }
        }
        cells.push_back(touching[std::size_t(random.draw(0, int(touching.size()) - 1))]);
    }
    std::sort(cells.begin(), cells.end());
    HundredProblem problem{Kind::Pieces, {}};
    const int given = random.draw(0, size - 1);
    for (int i = 0; i < size; ++i) {
        Square square = square_at(Kind::Pieces, cells[std::size_t(i)]);
        square.hidden = i != given;
        problem.squares.push_back(square);
    }
    return problem;
}

} // namespace

int square_number(Kind kind, int row, int column) {
    const int first = kind == Kind::FromMinusFifty ? -50 : 1;
    return first + row * kSide + column;
}

// Built in one draw.
HundredProblem make_problem(Kind kind, RandomSource& random) {
    return kind == Kind::Pieces ? piece(random) : whole_square(kind, random);
}

} // namespace chalkline::hundredsquare
