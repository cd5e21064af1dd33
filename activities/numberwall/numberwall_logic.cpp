// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberwall_logic.h"

#include <array>
#include <bit>
#include <cstdint>

namespace chalkline::numberwall {

namespace {

using boards::cell_of;

// How many times each bottom brick counts in a brick: a brick `level` rows above the
// bottom row, at `place`, is the sum of C(level, j) x bottom[place + j].
std::array<Fraction, kBottom> coefficients(int cell) {
    const int row = boards::row_of(cell);
    const int place = cell - cell_of(row, 0);
    const int level = kRows - 1 - row;
    std::array<Fraction, kBottom> result{};
    std::int64_t binomial = 1;
    for (int j = 0; j <= level; ++j) {
        result[std::size_t(place + j)] = binomial;
        binomial = binomial * (level - j) / (j + 1);
    }
    return result;
}

// The rank of the equations of the shown bricks, by exact elimination.
int rank_of(const std::vector<bool>& shown) {
    std::vector<std::array<Fraction, kBottom>> rows;
    for (int cell = 0; cell < kBricks; ++cell) {
        if (shown[std::size_t(cell)]) {
            rows.push_back(coefficients(cell));
        }
    }
    int rank = 0;
    for (std::size_t column = 0; column < kBottom && std::size_t(rank) < rows.size(); ++column) {
        std::size_t pivot = std::size_t(rank);
        while (pivot < rows.size() && rows[pivot][column] == 0) {
            ++pivot;
        }
        if (pivot == rows.size()) {
            continue;
        }
        std::swap(rows[pivot], rows[std::size_t(rank)]);
        const auto& top = rows[std::size_t(rank)];
        for (std::size_t other = std::size_t(rank) + 1; other < rows.size(); ++other) {
            const Fraction factor = rows[other][column] / top[column];
            for (std::size_t c = column; c < kBottom; ++c) {
                rows[other][c] -= factor * top[c];
            }
        }
        ++rank;
    }
    return rank;
}

std::vector<boards::Step> steps_for(const std::vector<bool>& shown) {
    static const std::vector<boards::SumRule> rules = boards::sums_of_two_below(kRows);
    return boards::work_out(rules, shown).value_or(std::vector<boards::Step>{});
}

Fraction draw_brick(Kind kind, RandomSource& random) {
    switch (kind) {
    case Kind::Integers:
        return random.draw(-10, 10);
    case Kind::Decimals: {
        // Tenths from 0.1 to 9.9 with a digit after the point: 1 to 99 less the tens.
        const int draw = random.draw(1, 90);
        return Fraction(draw + (draw - 1) / 9, 10);
    }
    default:
        return random.draw(1, 20);
    }
}

Wall build(Kind kind, const std::array<Fraction, kBottom>& bottom, const std::vector<bool>& shown) {
    Wall wall{kind, std::vector<Fraction>(kBricks), shown, steps_for(shown)};
    for (int place = 0; place < kBottom; ++place) {
        wall.bricks[std::size_t(cell_of(kRows - 1, place))] = bottom[std::size_t(place)];
    }
    for (int row = kRows - 2; row >= 0; --row) {
        for (int place = 0; place <= row; ++place) {
            wall.bricks[std::size_t(cell_of(row, place))] =
                wall.bricks[std::size_t(cell_of(row + 1, place))] +
                wall.bricks[std::size_t(cell_of(row + 1, place + 1))];
        }
    }
    return wall;
}

} // namespace

bool determines_wall(const std::vector<bool>& shown) {
    return rank_of(shown) == kBottom;
}

const std::vector<std::vector<bool>>& shown_sets() {
    // All 210 ways to show four of the ten bricks, kept when they fit the rules.
    static const std::vector<std::vector<bool>> sets = [] {
        std::vector<std::vector<bool>> result;
        for (int mask = 0; mask < (1 << kBricks); ++mask) {
            if (std::popcount(unsigned(mask)) != kBottom) {
                continue;
            }
            std::vector<bool> shown(kBricks);
            for (int cell = 0; cell < kBricks; ++cell) {
                shown[std::size_t(cell)] = (mask >> cell) & 1;
            }
            if (!determines_wall(shown)) {
                continue;
            }
            bool adds = false;
            bool subtracts = false;
            for (const boards::Step& step : steps_for(shown)) {
                (step.adding ? adds : subtracts) = true;
            }
            if (adds && subtracts) {
                result.push_back(shown);
            }
        }
        return result;
    }();
    return sets;
}

Wall make_problem(Kind kind, RandomSource& random, const Wall* previous) {
    const auto& sets = shown_sets();
    const int count = int(sets.size());
    std::array<Fraction, kBottom> bottom{};
    int set = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        random.reseed();
        for (Fraction& brick : bottom) {
            brick = draw_brick(kind, random);
        }
        set = random.draw(0, count - 1);
        Wall wall = build(kind, bottom, sets[std::size_t(set)]);
        if (!previous || wall != *previous) {
            return wall;
        }
    }
    // The same wall eight times over: show another set of its bricks.
    return build(kind, bottom, sets[std::size_t((set + 1) % count)]);
}

std::string brick_text(const Fraction& brick) {
    return decimal_text(brick).value_or(fraction_text(brick));
}

std::string wall_text(const Wall& wall, bool all_shown) {
    std::vector<std::string> texts;
    for (const Fraction& brick : wall.bricks) {
        texts.push_back(brick_text(brick));
    }
    return boards::rows_text(kRows, texts, all_shown ? std::vector<bool>() : wall.shown, true);
}

} // namespace chalkline::numberwall
