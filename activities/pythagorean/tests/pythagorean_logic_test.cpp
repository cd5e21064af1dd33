// SPDX-License-Identifier: GPL-3.0-or-later
#include "pythagorean_logic.h"

#include "stuck_random.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace chalkline::pythagorean {
namespace {

using chalkline::testing::StuckRandom;

// The triples of a kind found by trying every a < b < c up to 100.
std::vector<Triple> every_triple(Kind kind) {
    std::vector<Triple> found;
    for (int c = 1; c <= 100; ++c) {
        for (int b = 1; b < c; ++b) {
            for (int a = 1; a < b; ++a) {
                if (a * a + b * b == c * c && (std::gcd(a, b) == 1) == (kind == Kind::Primitive)) {
                    found.push_back({a, b, c});
                }
            }
        }
    }
    return found;
}

// Over 2000 seeded tables of each kind: five different triples of the kind with c up to
// 100, the numbers hidden as the kind says, every row with exactly one answer among the
// kind's triples, every triple of the kind met, and never the table before.
TEST(PythagoreanLogic, TablesOfEveryKindHoldTheirRules) {
    for (const Kind kind : {Kind::Primitive, Kind::Multiples, Kind::Euclid}) {
        SeededRandom random(static_cast<std::uint32_t>(kind) + 3);
        const std::vector<Triple> kind_list =
            every_triple(kind == Kind::Euclid ? Kind::Multiples : kind);
        const std::vector<Triple> primitive = every_triple(Kind::Primitive);
        std::set<int> hidden_counts;
        std::set<std::array<int, 3>> seen;
        Problem previous;
        for (int round = 0; round < 2000; ++round) {
            const Problem p = make_problem(kind, random, previous);
            ASSERT_FALSE(p == previous);
            previous = p;
            ASSERT_EQ(p.kind, kind);
            std::set<std::array<int, 3>> triples;
            for (const Row& row : p.rows) {
                const Triple t = triple_of(row);
                ASSERT_LT(t.a, t.b);
                ASSERT_LT(t.b, t.c);
                ASSERT_LE(t.c, 100);
                ASSERT_EQ(t.a * t.a + t.b * t.b, t.c * t.c);
                triples.insert({t.a, t.b, t.c});
                seen.insert({t.a, t.b, t.c});
                const int hidden = int(std::count(row.hidden.begin(), row.hidden.end(), true));
                hidden_counts.insert(hidden);
                if (kind == Kind::Euclid) {
                    const int m = row.m, n = row.n;
                    ASSERT_GT(m, n);
                    ASSERT_GE(n, 1);
                    ASSERT_EQ(row.numbers,
                              (std::array<int, 3>{m * m - n * n, 2 * m * n, m * m + n * n}));
                    ASSERT_EQ(hidden, 3);
                    continue;
                }
                ASSERT_EQ(row.numbers, (std::array<int, 3>{t.a, t.b, t.c}));
                ASSERT_EQ(std::gcd(t.a, t.b) == 1, kind == Kind::Primitive);
                // The numbers shown settle the row among the triples of the kind.
                const auto answers = std::count_if(kind_list.begin(), kind_list.end(), [&](auto x) {
                    const int at[] = {x.a, x.b, x.c};
                    for (std::size_t i = 0; i < 3; ++i) {
                        if (!row.hidden[i] && at[i] != row.numbers[i]) {
                            return false;
                        }
                    }
                    return true;
                });
                ASSERT_EQ(answers, 1) << row_text(row, false);
            }
            ASSERT_EQ(triples.size(), 5u);
        }
        if (kind == Kind::Euclid) {
            EXPECT_EQ(hidden_counts, std::set<int>{3});
            // Every triple m and n up to 100 make: all the primitive ones among them.
            for (const Triple& t : primitive) {
                EXPECT_EQ(seen.count({t.a, t.b, t.c}), 1u) << t.c;
            }
        } else {
            EXPECT_EQ(hidden_counts, (std::set<int>{1, 2}));
            EXPECT_EQ(seen.size(), kind_list.size());
        }
    }
}

TEST(PythagoreanLogic, AStuckSourceStillChangesTheTable) {
    for (const Kind kind : {Kind::Primitive, Kind::Multiples, Kind::Euclid}) {
        StuckRandom random;
        const Problem first = make_problem(kind, random, {});
        const Problem second = make_problem(kind, random, first);
        EXPECT_FALSE(second == first);
        EXPECT_FALSE(make_problem(kind, random, second) == second);
    }
}

TEST(PythagoreanLogic, RowsAreWrittenAsTheClassSeesThem) {
    const Row row{{5, 12, 13}, {false, true, false}, 0, 0};
    EXPECT_EQ(row_text(row, false), "5, ?, 13");
    EXPECT_EQ(row_text(row, true), "5, 12, 13");
}

} // namespace
} // namespace chalkline::pythagorean
