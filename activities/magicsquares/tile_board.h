// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace chalkline::magicsquares {

// Board coordinates: twips from the top-left corner of the board frame, x to the right and
// y downwards. Tiles are indexed 0 to 8 (tile 1, the top of the tile column, is index 0);
// cells are indexed k = 3 * row + column, row 0 at the top.
struct BoardPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const BoardPoint&, const BoardPoint&) = default;
};

inline constexpr int tile_count = 9;
inline constexpr int cell_count = 9;
inline constexpr int line_count = 8;
inline constexpr float tile_width = 825.0f;
inline constexpr float tile_height = 720.0f;
inline constexpr float home_x = 6360.0f;

// The corner a tile placed in the cell takes.
BoardPoint snap_position(int cell);

// The slot of a tile in the tile column.
BoardPoint home_position(int tile);

// The cell whose drop bands hold the corner strictly inside; none on or outside every bound.
std::optional<int> cell_for_corner(BoardPoint corner);

// The corner a tile at tile_position takes when centred on a pointer given in the tile's
// own coordinates.
BoardPoint centred_corner(BoardPoint tile_position, BoardPoint pointer);

// The three cells of each line, in the order of the line-sum labels: rising diagonal, top,
// middle and bottom rows, falling diagonal, right, middle and left columns.
inline constexpr std::array<std::array<int, 3>, line_count> line_cells = {{
    {2, 4, 6},
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {0, 4, 8},
    {2, 5, 8},
    {1, 4, 7},
    {0, 3, 6},
}};

// A line sum shows red exactly when its text is the magic-sum text, character for character.
bool line_reaches(std::string_view line_sum, std::string_view magic_sum_text);

// The nine tiles, the cell state rebuilt after every drop and the eight line sums.
class TileBoard {
public:
    TileBoard();

    // Puts new texts on the tiles and clears the board.
    void deal(const std::array<std::string, tile_count>& texts);

    // Every tile home, every copy hidden, every cell "0" and every line sum "0".
    void clear_board();

    // Moves a tile freely, as while it is dragged; the cell state is left as it was.
    void move_tile(int tile, BoardPoint corner);

    // Releases a tile whose would-be corner is given: it snaps into a free cell under the
    // corner or goes home, then the copies and the cell state follow the tile positions.
    void drop_tile(int tile, BoardPoint corner);
    void send_home(int tile);

    // Rebuilds the cell state from the tile positions, then the line sums.
    void read_board();
    void update_sums();

    const std::string& tile_text(int tile) const;
    BoardPoint tile_position(int tile) const;
    bool at_home(int tile) const;
    bool copy_shown(int tile) const;
    const std::string& label_array(int cell) const;
    const std::string& label_value(int cell) const;
    const std::string& line_sum(int line) const;

    // Solved when every cell holds a tile and all eight line sums show the magic-sum text.
    // An empty board is not solved even though its sums "0" match a magic sum of 0.
    bool solved(std::string_view magic_sum_text) const;

private:
    std::array<std::string, tile_count> texts_;
    std::array<BoardPoint, tile_count> positions_;
    std::array<bool, tile_count> copies_shown_{};
    std::array<std::string, cell_count> occupied_;
    std::array<std::string, cell_count> values_;
    std::array<std::string, line_count> sums_;
};

} // namespace chalkline::magicsquares
