// SPDX-License-Identifier: GPL-3.0-or-later
#include "magicsquares_logic.h"
#include "tile_board.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <vector>

namespace chalkline::magicsquares {
namespace {

using Texts = std::array<std::string, tile_count>;

// Line indices in the order of the line-sum labels.
enum Line { rising, top_row, middle_row, bottom_row, falling, right_column, middle_column, left };

class TileBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::setlocale(LC_ALL, "C");
        // Square c = 6, b = 2, a = 3 dealt in solution order: tile i belongs in cell i.
        board.deal(deal({6, 2, 3}, 1));
    }

    // Drops a tile so that its would-be corner is well inside the cell.
    void drop_in(int tile, int cell) {
        const auto snap = snap_position(cell);
        board.drop_tile(tile, {snap.x + 10.0f, snap.y + 10.0f});
    }

    std::vector<std::string> sums() const {
        std::vector<std::string> result;
        for (int line = 0; line < line_count; ++line) {
            result.push_back(board.line_sum(line));
        }
        return result;
    }

    TileBoard board;
};

TEST_F(TileBoardTest, CornersOnABandBoundBelongToNoCell) {
    const struct {
        BoardPoint corner;
        std::optional<int> cell;
    } cases[] = {
        {{181.0f, 721.0f}, 0},
        {{180.0f, 1000.0f}, std::nullopt},
        {{1440.0f, 1000.0f}, std::nullopt},
        {{1439.5f, 1994.5f}, 0},
        {{1441.0f, 1000.0f}, 1},
        {{2715.0f, 1000.0f}, std::nullopt},
        {{2716.0f, 1000.0f}, 2},
        {{4004.0f, 1000.0f}, 2},
        {{4005.0f, 1000.0f}, std::nullopt},
        {{1000.0f, 720.0f}, std::nullopt},
        {{1000.0f, 1995.0f}, std::nullopt},
        {{1000.0f, 1996.0f}, 3},
        {{1000.0f, 3255.0f}, std::nullopt},
        {{1000.0f, 3256.0f}, 6},
        {{1000.0f, 4574.0f}, 6},
        {{1000.0f, 4575.0f}, std::nullopt},
        {{2000.0f, 2500.0f}, 4},
        {{3000.0f, 4000.0f}, 8},
        {{-50.0f, 1000.0f}, std::nullopt},
        {{6360.0f, 240.0f}, std::nullopt},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(cell_for_corner(test.corner), test.cell)
            << "corner " << test.corner.x << ", " << test.corner.y;
    }
}

TEST_F(TileBoardTest, DropsSnapIntoTheCellOrSendTheTileToItsOwnHome) {
    const struct {
        int tile;
        BoardPoint corner;
        BoardPoint placed;
    } cases[] = {
        {0, {181.0f, 721.0f}, {420.0f, 1035.0f}},
        {4, {2000.0f, 2500.0f}, {1650.0f, 2265.0f}},
        {8, {4000.0f, 4500.0f}, {2895.0f, 3510.0f}},
        {2, {1440.0f, 1000.0f}, {6360.0f, 1695.0f}},
        {3, {1000.0f, 3255.0f}, {6360.0f, 2415.0f}},
        // Anywhere in the tile column, even another tile's slot, is home.
        {2, {6360.0f, 4590.0f}, {6360.0f, 1695.0f}},
        {6, {7000.0f, -300.0f}, {6360.0f, 4590.0f}},
    };
    for (const auto& test : cases) {
        board.clear_board();
        board.move_tile(test.tile, {3000.0f, 3000.0f});
        board.drop_tile(test.tile, test.corner);
        EXPECT_EQ(board.tile_position(test.tile), test.placed) << "tile " << test.tile;
        EXPECT_EQ(board.copy_shown(test.tile), test.placed.x != home_x);
    }
}

TEST_F(TileBoardTest, CellStateFollowsTheDrop) {
    board.drop_tile(0, {181.0f, 721.0f});
    EXPECT_EQ(board.label_array(0), "1");
    EXPECT_EQ(board.label_value(0), "3");
    for (int cell = 1; cell < cell_count; ++cell) {
        EXPECT_EQ(board.label_array(cell), "0");
        EXPECT_EQ(board.label_value(cell), "0");
    }
}

TEST_F(TileBoardTest, ATileDroppedOnAnOccupiedCellGoesHomeAndTheOtherStays) {
    drop_in(3, 4);
    board.move_tile(5, {1500.0f, 2000.0f});
    drop_in(5, 4);
    EXPECT_EQ(board.tile_position(5), home_position(5));
    EXPECT_FALSE(board.copy_shown(5));
    EXPECT_EQ(board.tile_position(3), snap_position(4));
    EXPECT_TRUE(board.copy_shown(3));
    EXPECT_EQ(board.label_value(4), "11");
}

TEST_F(TileBoardTest, ATileDroppedBackOnItsOwnCellGoesHomeAndEmptiesTheCell) {
    drop_in(4, 4);
    ASSERT_EQ(board.label_array(4), "1");
    board.move_tile(4, {1700.0f, 2300.0f}); // dragged a little, still over cell 4
    drop_in(4, 4);
    EXPECT_EQ(board.tile_position(4), home_position(4));
    EXPECT_FALSE(board.copy_shown(4));
    EXPECT_EQ(board.label_array(4), "0");
    EXPECT_EQ(board.label_value(4), "0");
    EXPECT_EQ(sums(), (std::vector<std::string>{"0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(TileBoardTest, ATileMovedToAnotherCellLeavesItsOldCellEmpty) {
    drop_in(0, 0);
    drop_in(4, 4);
    ASSERT_EQ(board.line_sum(falling), "9");
    drop_in(0, 8);
    EXPECT_EQ(board.tile_position(0), snap_position(8));
    EXPECT_EQ(board.label_array(0), "0");
    EXPECT_EQ(board.label_value(0), "0");
    EXPECT_EQ(board.label_array(8), "1");
    EXPECT_EQ(board.label_value(8), "3");
    EXPECT_EQ(board.line_sum(top_row), "0");
    EXPECT_EQ(board.line_sum(left), "0");
    EXPECT_EQ(board.line_sum(falling), "9"); // 6 in the centre, 3 now at the bottom right
    EXPECT_EQ(board.line_sum(bottom_row), "3");
    EXPECT_EQ(board.line_sum(right_column), "3");
}

TEST_F(TileBoardTest, PartlyFilledBoardShowsPartialSums) {
    drop_in(0, 0);
    drop_in(1, 1);
    drop_in(2, 2);
    // Rising diagonal, rows, falling diagonal, then the right, middle and left columns.
    EXPECT_EQ(sums(), (std::vector<std::string>{"8", "18", "0", "0", "3", "8", "7", "3"}));
}

TEST_F(TileBoardTest, NegativeTilesSumAsSignedWholeNumbers) {
    // c = -4, b = 5, a = -9: s1 to s9 are 5, -18, 1, -8, -4, 0, -9, 10, -13.
    board.deal(deal({-4, 5, -9}, 1));
    for (int tile = 0; tile < tile_count; ++tile) {
        drop_in(tile, tile);
    }
    EXPECT_EQ(sums(), std::vector<std::string>(8, "-12"));
    EXPECT_TRUE(board.solved("-12"));
}

TEST_F(TileBoardTest, ClearBoardSendsEveryTileHomeAndZeroesTheState) {
    for (int tile = 0; tile < 5; ++tile) {
        drop_in(tile, tile);
    }
    board.move_tile(7, {100.0f, 100.0f});
    board.clear_board();
    for (int tile = 0; tile < tile_count; ++tile) {
        EXPECT_EQ(board.tile_position(tile), home_position(tile));
        EXPECT_FALSE(board.copy_shown(tile));
        EXPECT_EQ(board.label_array(tile), "0");
        EXPECT_EQ(board.label_value(tile), "0");
    }
    EXPECT_EQ(sums(), std::vector<std::string>(8, "0"));
    EXPECT_EQ(board.tile_text(0), "3"); // the texts stay with the tiles
}

TEST_F(TileBoardTest, AFilledMagicSquareIsSolvedOnlyAgainstItsOwnSumText) {
    // Arrangement 2 deals 9, 5, 4, 1, 11, 6, 8, 7, 3: tile t belongs in cell solved_cell[t].
    board.deal(deal({6, 2, 3}, 2));
    const int solved_cell[tile_count] = {8, 7, 6, 5, 3, 4, 2, 1, 0};
    for (int tile = 0; tile < tile_count; ++tile) {
        EXPECT_FALSE(board.solved("18")) << "solved with " << tile << " tiles placed";
        drop_in(tile, solved_cell[tile]);
    }
    EXPECT_EQ(sums(), std::vector<std::string>(8, "18"));
    EXPECT_TRUE(board.solved("18"));
    EXPECT_FALSE(board.solved(""));
    EXPECT_FALSE(board.solved("17"));
    EXPECT_FALSE(board.solved("18.0"));

    // Taking any tile off again undoes the success.
    board.move_tile(4, {2000.0f, 2000.0f});
    board.drop_tile(4, {6400.0f, 3000.0f});
    EXPECT_FALSE(board.solved("18"));
}

TEST_F(TileBoardTest, LinesShowingTheSumOnAnUnfilledBoardAreNotASolve) {
    // With a magic sum of 0 the empty board already shows "0" on every line, and with
    // a = b = 0 every partly filled board does too; only the ninth tile completes it.
    board.deal(deal({0, 0, 0}, 1));
    EXPECT_EQ(sums(), std::vector<std::string>(8, "0"));
    EXPECT_FALSE(board.solved("0"));
    for (int tile = 0; tile < tile_count - 1; ++tile) {
        drop_in(tile, tile);
        EXPECT_FALSE(board.solved("0")) << tile + 1 << " tiles placed";
    }
    drop_in(8, 8);
    EXPECT_TRUE(board.solved("0"));
}

} // namespace
} // namespace chalkline::magicsquares
