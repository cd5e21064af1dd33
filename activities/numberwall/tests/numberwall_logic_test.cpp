// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberwall_logic.h"

#include "worked_out.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace chalkline::numberwall {
namespace {

using boards::cell_of;

bool in_kind(Kind kind, const Fraction& brick) {
    switch (kind) {
    case Kind::Integers:
        return brick.is_whole() && brick >= -10 && brick <= 10;
    case Kind::Decimals:
        // One decimal place: a whole number of tenths that is not a whole number.
        return (brick * 10).is_whole() && !brick.is_whole() && brick > 0 && brick < 10;
    default:
        return brick.is_whole() && brick >= 1 && brick <= 20;
    }
}

// Over many walls of every kind: each brick is the sum of the two below it, the bottom
// row is of the kind, the four shown bricks fix the wall, which the Solution's steps
// work out one brick at a time with an addition and a subtraction, and no wall repeats
// the one before it.
TEST(NumberWallLogic, EveryWallKeepsTheRules) {
    for (const Kind kind : {Kind::PositiveWholeNumbers, Kind::Integers, Kind::Decimals}) {
        SeededRandom random{std::uint32_t(int(kind) + 1)};
        Wall previous;
        for (int round = 0; round < 2000; ++round) {
            const Wall wall = make_problem(kind, random, round ? &previous : nullptr);
            ASSERT_EQ(wall.kind, kind);
            ASSERT_NE(wall, previous);
            for (int row = 0; row < kRows; ++row) {
                for (int place = 0; place <= row; ++place) {
                    const Fraction& brick = wall.bricks[std::size_t(cell_of(row, place))];
                    if (row == kRows - 1) {
                        ASSERT_TRUE(in_kind(kind, brick)) << fraction_text(brick);
                    } else {
                        ASSERT_EQ(brick, wall.bricks[std::size_t(cell_of(row + 1, place))] +
                                             wall.bricks[std::size_t(cell_of(row + 1, place + 1))]);
                    }
                }
            }
            ASSERT_EQ(std::count(wall.shown.begin(), wall.shown.end(), true), kBottom);
            ASSERT_TRUE(boards::testing::worked_out(wall.bricks, wall.shown, wall.steps, true));
            ASSERT_TRUE(std::any_of(wall.steps.begin(), wall.steps.end(),
                                    [](const boards::Step& s) { return s.adding; }));
            ASSERT_TRUE(std::any_of(wall.steps.begin(), wall.steps.end(),
                                    [](const boards::Step& s) { return !s.adding; }));
            previous = wall;
        }
    }
}

// Drawn the same wall over and over, Go still shows another.
TEST(NumberWallLogic, ARepeatedDrawGivesAnotherWall) {
    boards::testing::StuckRandom random;
    const Wall first = make_problem(Kind::Integers, random);
    const Wall second = make_problem(Kind::Integers, random, &first);
    EXPECT_NE(second, first);
    EXPECT_TRUE(boards::testing::worked_out(second.bricks, second.shown, second.steps, true));
}

// The rank decides uniqueness, not the count of bricks: four bricks where one is the
// sum of two others leave the wall open, while five bricks spread over it fix it.
TEST(NumberWallLogic, ShownBricksFixTheWallOnlyWhenIndependent) {
    const auto shown = [](std::initializer_list<int> cells) {
        std::vector<bool> result(kBricks);
        for (int cell : cells) {
            result[std::size_t(cell)] = true;
        }
        return result;
    };
    EXPECT_FALSE(
        determines_wall(shown({cell_of(3, 0), cell_of(3, 1), cell_of(2, 0), cell_of(1, 0)})));
    EXPECT_TRUE(determines_wall(
        shown({cell_of(3, 1), cell_of(3, 3), cell_of(2, 0), cell_of(1, 1), cell_of(0, 0)})));
    // Unique, yet not to be worked out one brick at a time: not a set the walls use.
    const auto algebra = shown({cell_of(3, 1), cell_of(3, 3), cell_of(2, 0), cell_of(0, 0)});
    EXPECT_TRUE(determines_wall(algebra));
    EXPECT_EQ(std::count(shown_sets().begin(), shown_sets().end(), algebra), 0);
    EXPECT_EQ(std::set(shown_sets().begin(), shown_sets().end()).size(), shown_sets().size());
}

// The screen reader's text, bottom row first, for a wall that shows five bricks.
TEST(NumberWallLogic, WallTextReadsFromTheBottomRow) {
    Wall wall;
    for (int brick : {30, 17, 13, 9, 8, 5, 4, 5, 3, 2}) {
        wall.bricks.push_back(brick);
    }
    wall.shown = {true, false, true, true, false, false, false, true, false, true};
    EXPECT_EQ(wall_text(wall), "?, 5, ?, 2; 9, ?, ?; ?, 13; 30");
    EXPECT_EQ(wall_text(wall, true), "4, 5, 3, 2; 9, 8, 5; 17, 13; 30");
    EXPECT_EQ(brick_text(Fraction(-9, 2)), "-4.5");
}

} // namespace
} // namespace chalkline::numberwall
