// SPDX-License-Identifier: GPL-3.0-or-later
// The Hundred Square over many seeds: the numbers are the square's, a piece is joined,
// lies in the square and gives one number, and no problem repeats the one before.

#include "hundredsquare_logic.h"

#include "grid_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace chalkline;
using namespace chalkline::hundredsquare;

namespace {

int hidden_count(const HundredProblem& p) {
    return int(std::count_if(p.squares.begin(), p.squares.end(),
                             [](const Square& s) { return s.hidden; }));
}

// Joined: every square is reached from the first through squares that share a side.
bool joined(const std::vector<Square>& squares) {
    std::set<std::pair<int, int>> left;
    for (const Square& s : squares) {
        left.insert({s.row, s.column});
    }
    std::vector<std::pair<int, int>> reached{*left.begin()};
    left.erase(left.begin());
    for (std::size_t i = 0; i < reached.size(); ++i) {
        const auto [row, column] = reached[i];
        for (const auto& next : {std::pair{row - 1, column},
                                 {row + 1, column},
                                 {row, column - 1},
                                 {row, column + 1}}) {
            if (left.erase(next) == 1) {
                reached.push_back(next);
            }
        }
    }
    return left.empty();
}

void check(const HundredProblem& p, Kind kind) {
    ASSERT_EQ(p.kind, kind);
    if (kind != Kind::Pieces) {
        ASSERT_EQ(p.squares.size(), 100u);
        const int first = kind == Kind::OneToHundred ? 1 : -50;
        for (int i = 0; i < 100; ++i) {
            const Square& s = p.squares[std::size_t(i)];
            ASSERT_EQ(s.number, first + i);
            ASSERT_EQ(s.row * 10 + s.column, i);
        }
        ASSERT_GE(hidden_count(p), 12);
        ASSERT_LE(hidden_count(p), 20);
        return;
    }
    ASSERT_GE(p.squares.size(), 5u);
    ASSERT_LE(p.squares.size(), 9u);
    ASSERT_EQ(hidden_count(p), int(p.squares.size()) - 1);
    ASSERT_TRUE(joined(p.squares));
    std::set<int> numbers;
    for (const Square& s : p.squares) {
        ASSERT_TRUE(s.row >= 0 && s.row < 10 && s.column >= 0 && s.column < 10);
        // One more to the right, ten more below: consistent with the given number.
        ASSERT_EQ(s.number, 1 + 10 * s.row + s.column);
        numbers.insert(s.number);
    }
    ASSERT_EQ(numbers.size(), p.squares.size());
}

} // namespace

TEST(HundredSquare, EveryKindShowsTheSquaresNumbers) {
    std::set<std::size_t> piece_sizes;
    grids::testing::check_runs<Kind, HundredProblem>(
        make_problem, {Kind::OneToHundred, Kind::Pieces, Kind::FromMinusFifty},
        [&](Kind kind, const HundredProblem& p, bool) {
            check(p, kind);
            if (kind == Kind::Pieces) {
                piece_sizes.insert(p.squares.size());
            }
        });
    EXPECT_EQ(piece_sizes.size(), 5u);
}
