// SPDX-License-Identifier: GPL-3.0-or-later
#include "fibonacci_logic.h"

#include "fraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace chalkline::fibonacci {
namespace {

// Term k as a combination of the first two terms: p[k] * first + q[k] * second.
struct Coefficients {
    std::array<std::int64_t, kTermCount> p{}, q{};
    Coefficients() {
        p[0] = 1;
        q[1] = 1;
        for (int k = 2; k < kTermCount; ++k) {
            p[k] = p[k - 2] + p[k - 1];
            q[k] = q[k - 2] + q[k - 1];
        }
    }
};

// The rule, the ranges of each kind, the hidden pattern, a working that uses only
// terms known at its time and a run of three, and the one answer: any two shown terms
// already fix the first two terms (solved exactly), and every pair gives the answer's.
TEST(FibonacciLogic, EveryProblemKeepsItsRulesAndHasOneAnswer) {
    const Coefficients c;
    for (Kind kind : {Kind::Fibonacci, Kind::AnyStart, Kind::Integers}) {
        std::set<int> hidden_counts;
        for (std::uint32_t seed = 0; seed < 2000; ++seed) {
            SeededRandom random(seed);
            const Problem problem = make_problem(kind, random);
            const Terms& t = problem.terms;
            SCOPED_TRACE(terms_text(t) + " seed " + std::to_string(seed));
            for (int k = 2; k < kTermCount; ++k) {
                ASSERT_EQ(t[k], t[k - 2] + t[k - 1]);
            }
            switch (kind) {
            case Kind::Fibonacci: {
                bool consecutive = false;
                for (int i = 1; i + kTermCount - 1 <= kLastFibonacciTerm; ++i) {
                    consecutive = consecutive ||
                                  (fibonacci_number(i) == t[0] && fibonacci_number(i + 1) == t[1]);
                }
                ASSERT_TRUE(consecutive);
                break;
            }
            case Kind::AnyStart:
                ASSERT_TRUE(t[0] >= 1 && t[0] <= 20 && t[1] >= 1 && t[1] <= 20);
                break;
            case Kind::Integers:
                ASSERT_TRUE(t[0] >= -20 && t[0] <= 20 && t[1] >= -20 && t[1] <= 20);
                ASSERT_TRUE(t[0] < 0 || t[1] < 0);
                break;
            }

            int hidden = 0;
            for (bool h : problem.hidden) {
                hidden += h;
            }
            hidden_counts.insert(hidden);
            ASSERT_TRUE(hidden >= 3 && hidden <= 6);
            ASSERT_TRUE(problem.hidden[0] || problem.hidden[1]);

            const auto steps = work_out(shown_terms(problem));
            ASSERT_TRUE(steps.has_value());
            ASSERT_EQ(int(steps->size()), hidden);
            Pattern unknown = problem.hidden;
            bool subtracted = false;
            for (const Step& step : *steps) {
                ASSERT_TRUE(unknown[step.position]);
                ASSERT_FALSE(unknown[step.left] || unknown[step.right]);
                const auto [low, high] = std::minmax({step.position, step.left, step.right});
                ASSERT_EQ(high - low, 2);
                ASSERT_EQ(step.value, t[step.position]);
                ASSERT_EQ(step.value, step.subtraction ? t[step.left] - t[step.right]
                                                       : t[step.left] + t[step.right]);
                subtracted = subtracted || step.subtraction;
                unknown[step.position] = false;
            }
            ASSERT_TRUE(subtracted);

            for (int i = 0; i < kTermCount; ++i) {
                for (int j = i + 1; j < kTermCount; ++j) {
                    if (problem.hidden[i] || problem.hidden[j]) {
                        continue;
                    }
                    const Fraction det = Fraction(c.p[i] * c.q[j] - c.q[i] * c.p[j]);
                    ASSERT_NE(det, Fraction(0));
                    ASSERT_EQ((Fraction(t[i] * c.q[j] - c.q[i] * t[j]) / det), Fraction(t[0]));
                    ASSERT_EQ((Fraction(c.p[i] * t[j] - t[i] * c.p[j]) / det), Fraction(t[1]));
                }
            }
        }
        EXPECT_EQ(hidden_counts, (std::set<int>{3, 4, 5, 6}));
    }
}

// The order of the working: the leftmost term that can be worked out comes next.
TEST(FibonacciLogic, WorksOutLeftmostFirstAndRefusesWhatNeedsAlgebra) {
    Problem problem{Kind::AnyStart, terms_from(3, 4), {}};
    for (int k : {0, 1, 4, 6, 7, 8, 9}) {
        problem.hidden[k] = true;
    }
    EXPECT_EQ(shown_text(problem), "?, ?, 7, 11, ?, 29, ?, ?, ?, ?");
    const auto steps = work_out(shown_terms(problem));
    ASSERT_TRUE(steps.has_value());
    std::vector<std::string> working;
    for (const Step& step : *steps) {
        working.push_back(step_text(step, problem.terms));
    }
    EXPECT_EQ(working,
              (std::vector<std::string>{"11 - 7 = 4", "7 - 4 = 3", "7 + 11 = 18", "18 + 29 = 47",
                                        "29 + 47 = 76", "47 + 76 = 123", "76 + 123 = 199"}));
    EXPECT_EQ(terms_text(problem.terms), "3, 4, 7, 11, 18, 29, 47, 76, 123, 199");

    const Terms negative = terms_from(-3, 5);
    EXPECT_EQ(step_text({2, 0, 1, false, 2}, negative), "-3 + 5 = 2");
    EXPECT_EQ(step_text({1, 2, 0, true, 5}, negative), "2 - (-3) = 5");

    // The first and fourth terms fix the sequence, but only by solving for the second.
    Shown apart;
    apart[0] = 2;
    apart[3] = 8;
    EXPECT_FALSE(work_out(apart).has_value());
    EXPECT_THROW(terms_from(INT64_MAX / 2, INT64_MAX / 2), std::overflow_error);
}

} // namespace
} // namespace chalkline::fibonacci
