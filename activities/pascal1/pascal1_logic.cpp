// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal1_logic.h"

#include <algorithm>

namespace chalkline::pascal1 {

using boards::cell_of;

int last_row(Kind kind) {
    switch (kind) {
    case Kind::Rows0To10:
        return 10;
    case Kind::Rows0To13:
        return 13;
    default:
        return 7;
    }
}

Puzzle make_problem(Kind kind, RandomSource& random, const Puzzle* previous) {
    Puzzle puzzle;
    puzzle.kind = kind;
    puzzle.rows = last_row(kind) + 1;
    puzzle.numbers = boards::pascal_triangle(puzzle.rows);
    const int cells = boards::cell_count(puzzle.rows);
    std::vector<int> inner;
    for (int row = 2; row < puzzle.rows; ++row) {
        for (int place = 1; place < row; ++place) {
            inner.push_back(cell_of(row, place));
        }
    }
    random.reseed();
    const int count = random.draw(4, 8);
    std::vector<int> hidden;
    for (int attempt = 0; attempt < 8; ++attempt) {
        hidden = boards::pick_cells(inner, count, random);
        puzzle.shown = boards::shown_except(cells, hidden);
        if (!previous || puzzle.kind != previous->kind || puzzle.shown != previous->shown) {
            break;
        }
    }
    if (previous && puzzle.kind == previous->kind && puzzle.shown == previous->shown) {
        boards::swap_one(hidden, inner);
        puzzle.shown = boards::shown_except(cells, hidden);
    }
    puzzle.steps = boards::work_out(boards::sums_of_two_above(puzzle.rows), puzzle.shown).value();
    return puzzle;
}

std::string triangle_text(const Puzzle& puzzle, bool all_shown) {
    std::vector<std::string> texts;
    for (std::int64_t number : puzzle.numbers) {
        texts.push_back(std::to_string(number));
    }
    return boards::rows_text(puzzle.rows, texts, all_shown ? std::vector<bool>() : puzzle.shown);
}

} // namespace chalkline::pascal1
