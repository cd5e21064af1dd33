// SPDX-License-Identifier: GPL-3.0-or-later
// Products over many seeds: every product is its headers' product as the class reads
// them, and the shown boxes settle every other box in one way.

#include "products_logic.h"

#include "fraction.h"
#include "grid_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace chalkline;
using namespace chalkline::products;

namespace {

Fraction read(const std::string& text) {
    const auto value = parse_fraction(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(Fraction(0));
}

// Works the headers out as the class does, from the shown headers, by dividing shown
// products by headers already known: every header is found, equal to its own.
void check_settled(const ProductsProblem& p) {
    std::array<std::optional<Fraction>, kSize> top;
    std::array<std::optional<Fraction>, kSize> left;
    for (std::size_t i = 0; i < kSize; ++i) {
        if (p.top_shown[i]) {
            top[i] = read(header_text(p, p.top[i]));
        }
        if (p.left_shown[i]) {
            left[i] = read(header_text(p, p.left[i]));
        }
    }
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t r = 0; r < kSize; ++r) {
            for (std::size_t c = 0; c < kSize; ++c) {
                if (!p.product_shown[r][c] || bool(top[c]) == bool(left[r])) {
                    continue;
                }
                const Fraction product = read(product_text(p, int(r), int(c)));
                if (top[c]) {
                    left[r] = product / *top[c];
                } else {
                    top[c] = product / *left[r];
                }
                progress = true;
            }
        }
    }
    for (std::size_t i = 0; i < kSize; ++i) {
        ASSERT_TRUE(top[i] && left[i]);
        EXPECT_EQ(*top[i], read(header_text(p, p.top[i])));
        EXPECT_EQ(*left[i], read(header_text(p, p.left[i])));
    }
}

// Every header in the kind's range, different from the others of its row of headers;
// every product its headers' product; a third of the boxes shown, a header among them;
// and they settle the grid.
void check(const ProductsProblem& p, Kind kind) {
    ASSERT_EQ(p.kind, kind);
    const int highest = kind == Kind::TablesTo10 ? 10 : 12;
    for (const auto& headers : {p.top, p.left}) {
        ASSERT_EQ(std::set<int>(headers.begin(), headers.end()).size(), std::size_t(kSize));
        for (int h : headers) {
            ASSERT_TRUE(h >= 2 && h <= highest);
            ASSERT_EQ(read(header_text(p, h)).is_whole(), kind != Kind::Decimals);
        }
    }
    int shown = int(std::count(p.top_shown.begin(), p.top_shown.end(), true) +
                    std::count(p.left_shown.begin(), p.left_shown.end(), true));
    for (int r = 0; r < kSize; ++r) {
        for (int c = 0; c < kSize; ++c) {
            ASSERT_EQ(read(product_text(p, r, c)), read(header_text(p, p.left[std::size_t(r)])) *
                                                       read(header_text(p, p.top[std::size_t(c)])));
            shown += p.product_shown[std::size_t(r)][std::size_t(c)] ? 1 : 0;
        }
    }
    ASSERT_EQ(shown, kShown);
    ASSERT_TRUE(std::count(p.top_shown.begin(), p.top_shown.end(), true) +
                    std::count(p.left_shown.begin(), p.left_shown.end(), true) >=
                1);
    check_settled(p);
}

} // namespace

TEST(Products, EveryKindMakesGridsThatTheCluesSettle) {
    grids::testing::check_runs<Kind, ProductsProblem>(
        make_problem, {Kind::TablesTo10, Kind::TablesTo12, Kind::Decimals},
        [](Kind kind, const ProductsProblem& p, bool) { check(p, kind); });
}

TEST(Products, WritesDecimalsAsTheClassDoes) {
    ProductsProblem p;
    p.kind = Kind::Decimals;
    p.top = {3, 12, 5, 2};
    p.left = {4, 11, 2, 9};
    EXPECT_EQ(header_text(p, 3), "0.3");
    EXPECT_EQ(header_text(p, 12), "1.2");
    EXPECT_EQ(product_text(p, 0, 0), "0.12");
    EXPECT_EQ(product_text(p, 1, 1), "1.32");
    EXPECT_EQ(product_text(p, 0, 2), "0.2");
}
