// SPDX-License-Identifier: GPL-3.0-or-later
#include "products_logic.h"

#include "fraction.h"
#include "grid_random.h"

#include <algorithm>
#include <vector>

namespace chalkline::products {

namespace {

// The headers a kind draws from, in its units.
std::vector<int> header_values(Kind kind) {
    std::vector<int> values;
    if (kind == Kind::Decimals) {
        for (int tenths = 2; tenths <= 12; ++tenths) {
            if (tenths != 10) {
                values.push_back(tenths);
            }
        }
        return values;
    }
    for (int value = 2; value <= (kind == Kind::TablesTo12 ? 12 : 10); ++value) {
        values.push_back(value);
    }
    return values;
}

int scale(Kind kind) {
    return kind == Kind::Decimals ? 10 : 1;
}

std::array<int, kSize> draw_headers(const std::vector<int>& values, RandomSource& random) {
    std::vector<int> pool = values;
    grids::shuffle_front(pool, kSize, random);
    std::array<int, kSize> headers{};
    std::copy_n(pool.begin(), kSize, headers.begin());
    return headers;
}

// The shown boxes as a forest over the eight headers: one to three shown headers are
// its roots, and each shown product joins a header not yet known to a known one across
// the grid, so that each header is worked out in exactly one way. Constructive: a
// known top header and an unknown left one (or the other way round) always exist
// until every header is known.
void choose_shown(ProductsProblem& problem, RandomSource& random) {
    // Headers 0 to 3 are the top ones, 4 to 7 the left ones.
    std::array<int, 2 * kSize> headers{0, 1, 2, 3, 4, 5, 6, 7};
    const int roots = random.draw(1, 3);
    grids::shuffle_front(headers, std::size_t(roots), random);
    std::array<bool, 2 * kSize> known{};
    for (int i = 0; i < roots; ++i) {
        const int header = headers[std::size_t(i)];
        known[std::size_t(header)] = true;
        (header < kSize ? problem.top_shown[std::size_t(header)]
                        : problem.left_shown[std::size_t(header - kSize)]) = true;
    }
    for (int joined = roots; joined < 2 * kSize; ++joined) {
        std::vector<std::pair<int, int>> joins; // (row, column)
        for (int row = 0; row < kSize; ++row) {
            for (int column = 0; column < kSize; ++column) {
                if (known[std::size_t(column)] != known[std::size_t(kSize + row)]) {
                    joins.emplace_back(row, column);
                }
            }
        }
        const auto [row, column] = joins[std::size_t(random.draw(0, int(joins.size()) - 1))];
        problem.product_shown[std::size_t(row)][std::size_t(column)] = true;
        known[std::size_t(column)] = true;
        known[std::size_t(kSize + row)] = true;
    }
}

ProductsProblem draw_problem(Kind kind, RandomSource& random) {
    const std::vector<int> values = header_values(kind);
    ProductsProblem problem;
    problem.kind = kind;
    problem.top = draw_headers(values, random);
    problem.left = draw_headers(values, random);
    choose_shown(problem, random);
    return problem;
}

} // namespace

int ProductsProblem::product(int row, int column) const {
    return left[std::size_t(row)] * top[std::size_t(column)];
}

std::string header_text(const ProductsProblem& problem, int header) {
    return *decimal_text(Fraction(header, scale(problem.kind)));
}

std::string product_text(const ProductsProblem& problem, int row, int column) {
    const int units = scale(problem.kind);
    return *decimal_text(Fraction(problem.product(row, column), units * units));
}

ProductsProblem make_problem(Kind kind, RandomSource& random) {
    return draw_problem(kind, random);
}

} // namespace chalkline::products
