// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal1_logic.h"

#include "worked_out.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace chalkline::pascal1 {
namespace {

using boards::cell_of;

std::int64_t choose(int n, int k) {
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return result;
}

// Over many puzzles of every kind: the numbers are Pascal's triangle, 4 to 8 of them are
// hidden and none on the edges, the Solution works each out from the two above it, and
// no puzzle repeats the one before it.
TEST(Pascal1Logic, EveryPuzzleIsPascalsTriangleToWorkOut) {
    for (const Kind kind : {Kind::Rows0To7, Kind::Rows0To10, Kind::Rows0To13}) {
        SeededRandom random{std::uint32_t(int(kind) + 1)};
        Puzzle previous;
        for (int round = 0; round < 2000; ++round) {
            const Puzzle puzzle = make_problem(kind, random, round ? &previous : nullptr);
            ASSERT_EQ(puzzle.rows, last_row(kind) + 1);
            ASSERT_NE(puzzle, previous);
            for (int row = 0; row < puzzle.rows; ++row) {
                for (int place = 0; place <= row; ++place) {
                    const auto cell = std::size_t(cell_of(row, place));
                    ASSERT_EQ(puzzle.numbers[cell], choose(row, place));
                    ASSERT_TRUE(puzzle.shown[cell] || (place > 0 && place < row));
                }
            }
            const auto hidden = std::count(puzzle.shown.begin(), puzzle.shown.end(), false);
            ASSERT_GE(hidden, 4);
            ASSERT_LE(hidden, 8);
            ASSERT_TRUE(
                boards::testing::worked_out(puzzle.numbers, puzzle.shown, puzzle.steps, false));
            ASSERT_TRUE(std::all_of(puzzle.steps.begin(), puzzle.steps.end(),
                                    [](const boards::Step& step) { return step.adding; }));
            previous = puzzle;
        }
    }
}

// Drawn the same puzzle over and over, Go still shows another.
TEST(Pascal1Logic, ARepeatedDrawGivesAnotherPuzzle) {
    boards::testing::StuckRandom random;
    const Puzzle first = make_problem(Kind::Rows0To13, random);
    const Puzzle second = make_problem(Kind::Rows0To13, random, &first);
    EXPECT_NE(second, first);
    EXPECT_TRUE(boards::testing::worked_out(second.numbers, second.shown, second.steps, false));
}

} // namespace
} // namespace chalkline::pascal1
