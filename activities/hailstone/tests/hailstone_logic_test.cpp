// SPDX-License-Identifier: GPL-3.0-or-later
#include "hailstone_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace chalkline::hailstone {
namespace {

// Every start a kind can draw: the rule at every step down to the first 1, the count
// of steps and the highest term; the longest fits the 180 boxes of the strip.
TEST(HailstoneLogic, EverySequenceKeepsTheRule) {
    std::size_t longest = 0;
    for (int start = 1; start <= largest_start(Kind::UpTo1000); ++start) {
        const Sequence s = hailstone_sequence(start);
        ASSERT_EQ(s.terms.front(), start);
        ASSERT_EQ(std::count(s.terms.begin(), s.terms.end(), 1), 1);
        ASSERT_EQ(s.terms.back(), 1);
        for (std::size_t i = 1; i < s.terms.size(); ++i) {
            const std::int64_t n = s.terms[i - 1];
            ASSERT_EQ(s.terms[i], n % 2 == 0 ? n / 2 : 3 * n + 1) << start;
        }
        ASSERT_EQ(s.steps, int(s.terms.size()) - 1);
        ASSERT_EQ(s.highest, *std::max_element(s.terms.begin(), s.terms.end()));
        longest = std::max(longest, s.terms.size());
    }
    EXPECT_EQ(longest, 179u);

    const Sequence s27 = hailstone_sequence(27);
    EXPECT_EQ(s27.steps, 111);
    EXPECT_EQ(s27.highest, 9232);
    EXPECT_EQ(hailstone_sequence(871).steps, 178);
    EXPECT_EQ(hailstone_sequence(703).highest, 250504);
    EXPECT_EQ(hailstone_sequence(1).steps, 0);
    EXPECT_EQ(terms_text(hailstone_sequence(6)), "6, 3, 10, 5, 16, 8, 4, 2, 1");
    EXPECT_THROW(hailstone_sequence(0), std::invalid_argument);
    EXPECT_THROW(next_term(INT64_MAX), std::overflow_error);
}

// Starts stay in the kind's range, reach every start, and never repeat the one before,
// even when the draws would give it again.
TEST(HailstoneLogic, StartsStayInRangeAndNeverRepeat) {
    for (Kind kind : {Kind::UpTo30, Kind::UpTo100, Kind::UpTo1000}) {
        SeededRandom random{std::uint32_t(int(kind) + 1)};
        std::set<int> seen;
        int previous = 0;
        for (int draw = 0; draw < 20000; ++draw) {
            const int start = make_problem(kind, random, previous);
            ASSERT_TRUE(start >= 1 && start <= largest_start(kind) && start != previous);
            seen.insert(start);
            previous = start;
        }
        EXPECT_EQ(int(seen.size()), largest_start(kind));
        for (std::uint32_t seed = 0; seed < 500; ++seed) {
            SeededRandom first(seed);
            SeededRandom again(seed);
            const int start = make_problem(kind, first);
            ASSERT_NE(make_problem(kind, again, start), start);
        }
    }
}

} // namespace
} // namespace chalkline::hailstone
