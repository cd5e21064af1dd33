// SPDX-License-Identifier: GPL-3.0-or-later
#include "leibniz_logic.h"

#include <algorithm>

namespace chalkline::leibniz {

using boards::cell_of;

namespace {

constexpr int kTries = 40;

bool hides_a_row(const Puzzle& puzzle) {
    for (int row = 0; row < puzzle.rows; ++row) {
        const auto first = puzzle.shown.begin() + cell_of(row, 0);
        if (std::none_of(first, first + row + 1, [](bool shown) { return shown; })) {
            return true;
        }
    }
    return false;
}

bool same(const Puzzle& puzzle, const Puzzle* previous) {
    return previous && previous->kind == puzzle.kind && previous->shown == puzzle.shown;
}

} // namespace

int rows_of(Kind kind) {
    switch (kind) {
    case Kind::Rows1To7:
        return 7;
    case Kind::Rows1To9:
        return 9;
    default:
        return 5;
    }
}

Fraction entry(int row, int place) {
    std::int64_t binomial = 1;
    for (int i = 1; i <= place; ++i) {
        binomial = binomial * (row - place - 1 + i) / i;
    }
    return Fraction(1, row * binomial);
}

Puzzle make_problem(Kind kind, RandomSource& random, const Puzzle* previous) {
    Puzzle puzzle;
    puzzle.kind = kind;
    puzzle.rows = rows_of(kind);
    std::vector<int> below_top;
    std::vector<int> inner;
    for (int row = 0; row < puzzle.rows; ++row) {
        for (int place = 0; place <= row; ++place) {
            puzzle.numbers.push_back(entry(row + 1, place));
            if (row > 0) {
                below_top.push_back(cell_of(row, place));
            }
            if (place > 0 && place < row) {
                inner.push_back(cell_of(row, place));
            }
        }
    }
    const int cells = int(puzzle.numbers.size());
    const auto rules = boards::sums_of_two_below(puzzle.rows);
    random.reseed();
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const int count = random.draw(3, 6);
        puzzle.shown = boards::shown_except(cells, boards::pick_cells(below_top, count, random));
        if (hides_a_row(puzzle) || same(puzzle, previous)) {
            continue;
        }
        if (auto steps = boards::work_out(rules, puzzle.shown)) {
            puzzle.steps = std::move(*steps);
            return puzzle;
        }
    }
    // With the edges shown every inner number follows: each is the one above-left less
    // its left neighbour.
    std::vector<int> hidden = boards::pick_cells(inner, 3, random);
    puzzle.shown = boards::shown_except(cells, hidden);
    if (same(puzzle, previous)) {
        boards::swap_one(hidden, inner);
        puzzle.shown = boards::shown_except(cells, hidden);
    }
    puzzle.steps = boards::work_out(rules, puzzle.shown).value();
    return puzzle;
}

std::string triangle_text(const Puzzle& puzzle, bool all_shown) {
    std::vector<std::string> texts;
    for (const Fraction& number : puzzle.numbers) {
        texts.push_back(fraction_text(number));
    }
    return boards::rows_text(puzzle.rows, texts, all_shown ? std::vector<bool>() : puzzle.shown);
}

} // namespace chalkline::leibniz
