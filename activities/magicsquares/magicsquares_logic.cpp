// SPDX-License-Identifier: GPL-3.0-or-later
#include "magicsquares_logic.h"

#include "number_text.h"

#include <stdexcept>

namespace chalkline::magicsquares {

std::array<int, square_size> square_values(const SquareParams& p) {
    const int c = p.c;
    const int b = p.b;
    const int a = p.a;
    return {c - a,     c + a - b, c + b,     //
            c + a + b, c,         c - a - b, //
            c - b,     c + b - a, c + a};
}

const std::array<int, square_size>& arrangement_order(TileArrangement arrangement) {
    // Zero-based: 0 stands for s1, 8 for s9.
    static const std::array<std::array<int, square_size>, 5> orders = {{
        {0, 1, 2, 3, 4, 5, 6, 7, 8},
        {8, 7, 6, 5, 3, 4, 2, 1, 0},
        {0, 2, 1, 4, 3, 6, 5, 8, 7},
        {4, 7, 8, 0, 1, 2, 3, 5, 6},
        {8, 1, 2, 5, 7, 0, 6, 4, 3},
    }};
    if (arrangement < 1 || arrangement > 5) {
        throw std::out_of_range("tile arrangement must be from 1 to 5");
    }
    return orders[std::size_t(arrangement - 1)];
}

std::array<std::string, square_size> deal(const SquareParams& params, TileArrangement arrangement) {
    const auto values = square_values(params);
    const auto& order = arrangement_order(arrangement);
    std::array<std::string, square_size> tiles;
    for (std::size_t tile = 0; tile < tiles.size(); ++tile) {
        tiles[tile] = number_text(values[std::size_t(order[tile])]);
    }
    return tiles;
}

bool all_values_positive(const SquareParams& params) {
    for (int value : square_values(params)) {
        if (value <= 0) {
            return false;
        }
    }
    return true;
}

GeneratedSquare make_problem(Kind kind, RandomSource& random) {
    random.reseed();
    GeneratedSquare square;
    square.arrangement = random.draw(1, 5);
    const int low = kind == Kind::PositiveWhole ? 1 : -9;
    const int high = kind == Kind::PositiveWhole ? 15 : 9;
    do {
        square.params.c = random.draw(low, high);
        square.params.b = random.draw(low, high);
        square.params.a = random.draw(low, high);
    } while (kind == Kind::PositiveWhole && !all_values_positive(square.params));
    square.tiles = deal(square.params, square.arrangement);
    return square;
}

int magic_sum(const SquareParams& params) {
    return 3 * params.c;
}

std::string magic_sum_text(const SquareParams& params) {
    return number_text(magic_sum(params));
}

SquareSolution solution(const SquareParams& params) {
    SquareSolution result;
    const auto values = square_values(params);
    for (std::size_t cell = 0; cell < values.size(); ++cell) {
        result.cells[cell] = number_text(values[cell]);
    }
    result.magic_sum = magic_sum_text(params);
    return result;
}

} // namespace chalkline::magicsquares
