// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionsbetween_logic.h"

#include "seeded_problems.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace chalkline::fractionsbetween {
namespace {

using fractionkit::testing::for_seeded_problems;

// Whether some fraction of denominator at most `most` lies strictly between, by trying
// every denominator.
bool some_between(const Fraction& low, const Fraction& high, std::int64_t most) {
    for (std::int64_t q = 1; q <= most; ++q) {
        // The first numerator above low * q.
        const Fraction scaled = low * q;
        const std::int64_t p = scaled.numerator() / scaled.denominator() + 1;
        if (Fraction(p, q) < high) {
            return true;
        }
    }
    return false;
}

// 2000 pairs of each kind: the kind's rules, the three answers strictly between, the
// halfway one the mean, the mediant (a + c)/(b + d), no fraction between of smaller
// denominator than the simplest; never the same pair twice running.
TEST(FractionsBetweenLogic, AnswersLieBetweenAndTheSimplestIsSimplest) {
    for_seeded_problems<Pair>(
        {Kind::Easy, Kind::Close, Kind::Improper}, make_problem,
        [](Kind kind, const Pair& pair, const Pair& previous) {
            ASSERT_NE(pair, previous);
            const Fraction& a = pair.smaller;
            const Fraction& c = pair.larger;
            SCOPED_TRACE(text(a) + " and " + text(c));
            ASSERT_LT(a, c);
            const std::int64_t whole = a.whole_part();
            const std::int64_t largest = std::max(a.denominator(), c.denominator());
            EXPECT_LE(largest, kLargestDenominator);
            EXPECT_FALSE(a.is_whole() || c.is_whole());
            EXPECT_EQ(c.whole_part(), whole);
            EXPECT_EQ(whole == 0, kind != Kind::Improper);
            EXPECT_TRUE(whole >= 0 && whole <= 4);
            if (kind != Kind::Improper) {
                EXPECT_EQ(some_between(a, c, largest), kind == Kind::Easy);
            }
            const Answers found = answers(pair);
            for (const Fraction& between : {found.halfway, found.mediant, found.simplest}) {
                EXPECT_TRUE(a < between && between < c) << text(between);
            }
            EXPECT_EQ(found.halfway * 2, a + c);
            EXPECT_EQ(found.mediant,
                      Fraction(a.numerator() + c.numerator(), a.denominator() + c.denominator()));
            EXPECT_FALSE(some_between(a, c, found.simplest.denominator() - 1));
            if (kind == Kind::Close) {
                EXPECT_EQ(found.simplest, found.mediant);
            }
        });
}

TEST(FractionsBetweenLogic, SimplestBetweenExamples) {
    EXPECT_EQ(simplest_between(Fraction(3, 7), Fraction(1, 2)), Fraction(4, 9));
    EXPECT_EQ(simplest_between(Fraction(1, 3), Fraction(3, 4)), Fraction(1, 2));
    EXPECT_EQ(simplest_between(Fraction(7, 3), Fraction(13, 5)), Fraction(5, 2));
    // The smallest denominator, then the smallest numerator: 2 lies between 1 1/2 and 3.
    EXPECT_EQ(simplest_between(Fraction(3, 2), Fraction(3)), Fraction(2));
    EXPECT_EQ(text(Fraction(7, 3)), "2 1/3");
}

} // namespace
} // namespace chalkline::fractionsbetween
