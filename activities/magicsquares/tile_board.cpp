// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_board.h"

#include "number_text.h"

#include <stdexcept>

namespace chalkline::magicsquares {

namespace {

constexpr std::array<float, 3> snap_x = {420.0f, 1650.0f, 2895.0f};
constexpr std::array<float, 3> snap_y = {1035.0f, 2265.0f, 3510.0f};
constexpr std::array<float, tile_count> home_y = {240.0f,  960.0f,  1695.0f, 2415.0f, 3150.0f,
                                                  3870.0f, 4590.0f, 5325.0f, 6045.0f};

// Band bounds: band i is the open interval (bounds[i], bounds[i + 1]).
constexpr std::array<float, 4> column_bounds = {180.0f, 1440.0f, 2715.0f, 4005.0f};
constexpr std::array<float, 4> row_bounds = {720.0f, 1995.0f, 3255.0f, 4575.0f};

std::optional<int> band_of(float value, const std::array<float, 4>& bounds) {
    for (int band = 0; band < 3; ++band) {
        if (value > bounds[std::size_t(band)] && value < bounds[std::size_t(band) + 1]) {
            return band;
        }
    }
    return std::nullopt;
}

std::optional<int> index_of(float value, const std::array<float, 3>& exact) {
    for (int i = 0; i < 3; ++i) {
        if (value == exact[std::size_t(i)]) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t checked(int index, int count, const char* what) {
    if (index < 0 || index >= count) {
        throw std::out_of_range(what);
    }
    return std::size_t(index);
}

} // namespace

BoardPoint snap_position(int cell) {
    const std::size_t k = checked(cell, cell_count, "cell index out of range");
    return {snap_x[k % 3], snap_y[k / 3]};
}

BoardPoint home_position(int tile) {
    return {home_x, home_y[checked(tile, tile_count, "tile index out of range")]};
}

std::optional<int> cell_for_corner(BoardPoint corner) {
    const auto column = band_of(corner.x, column_bounds);
    const auto row = band_of(corner.y, row_bounds);
    if (!column || !row) {
        return std::nullopt;
    }
    return 3 * *row + *column;
}

BoardPoint centred_corner(BoardPoint tile_position, BoardPoint pointer) {
    return {tile_position.x + pointer.x - tile_width / 2.0f,
            tile_position.y + pointer.y - tile_height / 2.0f};
}

bool line_reaches(std::string_view line_sum, std::string_view magic_sum_text) {
    return line_sum == magic_sum_text;
}

TileBoard::TileBoard() {
    clear_board();
}

void TileBoard::deal(const std::array<std::string, tile_count>& texts) {
    texts_ = texts;
    clear_board();
}

void TileBoard::clear_board() {
    for (int tile = 0; tile < tile_count; ++tile) {
        send_home(tile);
    }
    copies_shown_.fill(false);
    occupied_.fill("0");
    values_.fill("0");
    sums_.fill("0");
}

void TileBoard::move_tile(int tile, BoardPoint corner) {
    positions_[checked(tile, tile_count, "tile index out of range")] = corner;
}

void TileBoard::drop_tile(int tile, BoardPoint corner) {
    const std::size_t t = checked(tile, tile_count, "tile index out of range");
    // The cell state is that of the last drop, so the cell the tile came from still counts
    // as occupied: a tile put back where it was goes home.
    const auto cell = cell_for_corner(corner);
    if (!cell || read_number(occupied_[std::size_t(*cell)]) != 0.0) {
        send_home(tile);
    } else {
        positions_[t] = snap_position(*cell);
        occupied_[std::size_t(*cell)] = "1";
    }
    for (int i = 0; i < tile_count; ++i) {
        copies_shown_[std::size_t(i)] = !at_home(i);
    }
    read_board();
}

void TileBoard::send_home(int tile) {
    positions_[checked(tile, tile_count, "tile index out of range")] = home_position(tile);
}

void TileBoard::read_board() {
    occupied_.fill("0");
    values_.fill("0");
    for (std::size_t tile = 0; tile < positions_.size(); ++tile) {
        const auto column = index_of(positions_[tile].x, snap_x);
        const auto row = index_of(positions_[tile].y, snap_y);
        if (column && row) {
            const std::size_t k = std::size_t(3 * *row + *column);
            occupied_[k] = "1";
            values_[k] = texts_[tile];
        }
    }
    update_sums();
}

void TileBoard::update_sums() {
    for (std::size_t line = 0; line < line_cells.size(); ++line) {
        double total = 0.0;
        for (int cell : line_cells[line]) {
            total += read_number(values_[std::size_t(cell)]);
        }
        sums_[line] = number_text(total);
    }
}

const std::string& TileBoard::tile_text(int tile) const {
    return texts_[checked(tile, tile_count, "tile index out of range")];
}

BoardPoint TileBoard::tile_position(int tile) const {
    return positions_[checked(tile, tile_count, "tile index out of range")];
}

bool TileBoard::at_home(int tile) const {
    return tile_position(tile).x == home_x;
}

bool TileBoard::copy_shown(int tile) const {
    return copies_shown_[checked(tile, tile_count, "tile index out of range")];
}

const std::string& TileBoard::label_array(int cell) const {
    return occupied_[checked(cell, cell_count, "cell index out of range")];
}

const std::string& TileBoard::label_value(int cell) const {
    return values_[checked(cell, cell_count, "cell index out of range")];
}

const std::string& TileBoard::line_sum(int line) const {
    return sums_[checked(line, line_count, "line index out of range")];
}

bool TileBoard::solved(std::string_view magic_sum_text) const {
    for (const auto& flag : occupied_) {
        if (read_number(flag) == 0.0) {
            return false;
        }
    }
    for (const auto& sum : sums_) {
        if (!line_reaches(sum, magic_sum_text)) {
            return false;
        }
    }
    return true;
}

} // namespace chalkline::magicsquares
