// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <optional>
#include <string>

namespace chalkline::products {

// A multiplication grid of four rows and four columns: a header number over each
// column and beside each row, and in each box the product of its two headers.
enum class Kind {
    TablesTo10, // headers from 2 to 10
    TablesTo12, // headers from 2 to 12
    Decimals,   // headers from 0.2 to 1.2 with one decimal place, none whole
};

inline constexpr int kSize = 4;
// Shown: four top headers, four left headers and sixteen products.
inline constexpr int kBoxes = 2 * kSize + kSize * kSize;
// The boxes shown: a third of them, as few as settle every other box.
inline constexpr int kShown = kBoxes / 3;

struct ProductsProblem {
    Kind kind = Kind::TablesTo10;
    // The headers as whole numbers of units: tenths for decimals, ones otherwise. The
    // four in a row of headers are different.
    std::array<int, kSize> top{};
    std::array<int, kSize> left{};
    std::array<bool, kSize> top_shown{};
    std::array<bool, kSize> left_shown{};
    // [row][column]
    std::array<std::array<bool, kSize>, kSize> product_shown{};

    // In units squared: hundredths for decimals.
    int product(int row, int column) const;
    friend bool operator==(const ProductsProblem&, const ProductsProblem&) = default;
};

// The texts the class sees: "7", "0.3", "0.36".
std::string header_text(const ProductsProblem& problem, int header);
std::string product_text(const ProductsProblem& problem, int row, int column);

// A new problem of the kind. Eight boxes are shown: one to three headers and enough
// products that every other header follows in one way, a shown product divided by a
// header already known; then every product follows.
ProductsProblem make_problem(Kind kind, RandomSource& random);

} // namespace chalkline::products
