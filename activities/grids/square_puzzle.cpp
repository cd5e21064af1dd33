// SPDX-License-Identifier: GPL-3.0-or-later
#include "square_puzzle.h"

#include "grid_random.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>
#include <vector>

namespace chalkline::grids {

namespace {

// Squares drawn before the fallback takes over.
constexpr int kSquareTries = 100;

int line_total(int a, int b, int c, bool products) {
    return products ? a * b * c : a + b + c;
}

// The third number of a line whose total and other two numbers are known.
std::optional<int> third(int total, int a, int b, bool products) {
    if (!products) {
        return total - a - b;
    }
    if (a * b == 0 || total % (a * b) != 0) {
        return std::nullopt;
    }
    return total / (a * b);
}

// The search of count_squares: the values not yet placed and the cells placed so far.
class Search {
public:
    explicit Search(const SquarePuzzle& puzzle) : puzzle_(puzzle) {}

    // Counts up to limit; with `fitting`, adds every square found to it.
    int count(int limit, std::vector<Square>* fitting = nullptr) {
        fitting_ = fitting;
        limit_ = limit;
        found_ = 0;
        used_ = 0;
        choose(0);
        return found_;
    }

private:
    // The left two cells of the top row, then those of the middle row, are chosen; the
    // right cell of each follows from its row's total, the bottom row from the columns.
    static constexpr std::array<int, 4> kChosen = {0, 1, 3, 4};

    void choose(std::size_t step) {
        if (found_ >= limit_) {
            return;
        }
        if (step == kChosen.size()) {
            finish();
            return;
        }
        const int cell = kChosen[step];
        for (int i = 0; i < kCells; ++i) {
            if (!take(cell, i)) {
                continue;
            }
            if (cell % kSide == 0 ||
                derive(cell + 1, puzzle_.totals.rows[std::size_t(cell / 3)], cell - 1, cell)) {
                choose(step + 1);
                if (cell % kSide != 0) {
                    release(cell + 1);
                }
            }
            release(cell);
        }
    }

    // The bottom row from the column totals, then the checks of the lines left.
    void finish() {
        const SquareRules& rules = puzzle_.rules;
        const SquareTotals& totals = puzzle_.totals;
        int placed = 0;
        for (int column = 0; column < kSide; ++column) {
            if (!derive(6 + column, totals.columns[std::size_t(column)], column, 3 + column)) {
                break;
            }
            ++placed;
        }
        if (placed == kSide &&
            line_total(cells_[6], cells_[7], cells_[8], rules.products) == totals.rows[2] &&
            (!rules.diagonals ||
             (line_total(cells_[0], cells_[4], cells_[8], rules.products) == totals.diagonals[0] &&
              line_total(cells_[6], cells_[4], cells_[2], rules.products) ==
                  totals.diagonals[1]))) {
            ++found_;
            if (fitting_) {
                fitting_->push_back(cells_);
            }
        }
        for (int column = placed - 1; column >= 0; --column) {
            release(6 + column);
        }
    }

    // Places the value the line's total leaves for the cell, if it is a value not used
    // yet and agrees with a given cell.
    bool derive(int cell, int total, int a, int b) {
        const auto value =
            third(total, cells_[std::size_t(a)], cells_[std::size_t(b)], puzzle_.rules.products);
        if (!value) {
            return false;
        }
        const auto* at = std::find(puzzle_.values.begin(), puzzle_.values.end(), *value);
        return at != puzzle_.values.end() && take(cell, int(at - puzzle_.values.begin()));
    }

    bool take(int cell, int index) {
        const auto c = std::size_t(cell);
        const int value = puzzle_.values[std::size_t(index)];
        if ((used_ >> index) & 1U || (puzzle_.given[c] && puzzle_.answer[c] != value)) {
            return false;
        }
        used_ |= 1U << index;
        cells_[c] = value;
        placed_index_[c] = index;
        return true;
    }

    void release(int cell) { used_ &= ~(1U << placed_index_[std::size_t(cell)]); }

    const SquarePuzzle& puzzle_;
    Square cells_{};
    std::array<int, kCells> placed_index_{};
    unsigned used_ = 0;
    int found_ = 0;
    int limit_ = 2;
    std::vector<Square>* fitting_ = nullptr;
};

// The sets of `count` cells out of nine, as bit masks, in a random order.
std::vector<unsigned> cell_sets(int count, RandomSource& random) {
    std::vector<unsigned> sets;
    for (unsigned mask = 0; mask < (1U << kCells); ++mask) {
        if (std::popcount(mask) == count) {
            sets.push_back(mask);
        }
    }
    shuffle(sets, random);
    return sets;
}

void give(SquarePuzzle& puzzle, unsigned mask) {
    for (int cell = 0; cell < kCells; ++cell) {
        puzzle.given[std::size_t(cell)] = (mask >> cell) & 1U;
    }
}

// For every other square with the puzzle's totals, the cells (as a bit mask) where it
// differs from the answer: given cells fix the answer when each of these meets them.
std::vector<unsigned> other_squares(const SquarePuzzle& puzzle) {
    SquarePuzzle bare = puzzle;
    bare.given = {};
    std::vector<Square> fitting;
    Search(bare).count(std::numeric_limits<int>::max(), &fitting);
    std::vector<unsigned> differences;
    for (const Square& square : fitting) {
        unsigned mask = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            mask |= unsigned(square[std::size_t(cell)] != puzzle.answer[std::size_t(cell)]) << cell;
        }
        if (mask != 0) {
            differences.push_back(mask);
        }
    }
    return differences;
}

// Whether the given cells fix the answer, and whether each of them is needed: some other
// square differs from the answer, among the given cells, in that one alone.
bool fixes(const std::vector<unsigned>& differences, unsigned given) {
    return std::all_of(differences.begin(), differences.end(),
                       [given](unsigned d) { return (d & given) != 0; });
}
bool each_needed(const std::vector<unsigned>& differences, unsigned given) {
    unsigned needed = 0;
    for (unsigned d : differences) {
        if (std::popcount(d & given) == 1) {
            needed |= d & given;
        }
    }
    return needed == given;
}

SquarePuzzle with_square(const Square& values, const Square& square, SquareRules rules) {
    SquarePuzzle puzzle;
    puzzle.values = values;
    std::sort(puzzle.values.begin(), puzzle.values.end());
    puzzle.answer = square;
    puzzle.rules = rules;
    puzzle.totals = totals_of(square, rules);
    return puzzle;
}

} // namespace

SquareTotals totals_of(const Square& s, SquareRules rules) {
    SquareTotals totals;
    for (std::size_t i = 0; i < kSide; ++i) {
        totals.rows[i] = line_total(s[3 * i], s[3 * i + 1], s[3 * i + 2], rules.products);
        totals.columns[i] = line_total(s[i], s[i + 3], s[i + 6], rules.products);
    }
    if (rules.diagonals) {
        totals.diagonals = {line_total(s[0], s[4], s[8], rules.products),
                            line_total(s[6], s[4], s[2], rules.products)};
    }
    return totals;
}

int SquarePuzzle::given_count() const {
    return int(std::count(given.begin(), given.end(), true));
}

int count_squares(const SquarePuzzle& puzzle, int limit) {
    return Search(puzzle).count(limit);
}

std::optional<SquarePuzzle> find_square_puzzle(const Square& values, SquareRules rules,
                                               ClueRange clues, RandomSource& random, int tries) {
    if (rules.products && std::find(values.begin(), values.end(), 0) != values.end()) {
        throw std::invalid_argument("a square of products needs values without 0");
    }
    Square square = values;
    for (int attempt = 0; attempt < tries; ++attempt) {
        shuffle(square, random);
        SquarePuzzle puzzle = with_square(values, square, rules);
        const std::vector<unsigned> differences = other_squares(puzzle);
        // A square the totals alone fix needs no given cell at all.
        if (clues.fewest > 0 && differences.empty()) {
            continue;
        }
        for (unsigned mask : cell_sets(random.draw(clues.fewest, clues.most), random)) {
            if (fixes(differences, mask) && each_needed(differences, mask)) {
                give(puzzle, mask);
                return puzzle;
            }
        }
    }
    return std::nullopt;
}

SquarePuzzle make_square_puzzle(const Square& values, SquareRules rules, ClueRange clues,
                                RandomSource& random) {
    if (auto found = find_square_puzzle(values, rules, clues, random, kSquareTries)) {
        return *found;
    }
    Square square = values;
    shuffle(square, random);
    // The fallback: a square given cells until it alone fits, then each given cell taken
    // back again where the square still alone fits without it, so that every one left
    // is needed.
    SquarePuzzle puzzle = with_square(values, square, rules);
    const std::vector<unsigned> differences = other_squares(puzzle);
    std::array<int, kCells> order{0, 1, 2, 3, 4, 5, 6, 7, 8};
    shuffle(order, random);
    unsigned mask = 0;
    for (int cell : order) {
        if (fixes(differences, mask)) {
            break;
        }
        mask |= 1U << cell;
    }
    for (int cell : order) {
        if (fixes(differences, mask & ~(1U << cell))) {
            mask &= ~(1U << cell);
        }
    }
    give(puzzle, mask);
    return puzzle;
}

} // namespace chalkline::grids
