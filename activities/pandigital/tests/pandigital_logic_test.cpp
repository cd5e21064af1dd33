// SPDX-License-Identifier: GPL-3.0-or-later
#include "pandigital_logic.h"

#include "seeded_problems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace chalkline::pandigital {
namespace {

using fractionkit::testing::for_seeded_problems;

// The forms of every value with denominator up to 30, counted over all 9! arrangements.
std::map<Fraction, int> counted_forms() {
    std::map<Fraction, int> counts;
    Digits form{1, 2, 3, 4, 5, 6, 7, 8, 9};
    do {
        const Fraction value = value_of(form);
        if (value.denominator() <= 30) {
            ++counts[value];
        }
    } while (std::next_permutation(form.begin(), form.end()));
    return counts;
}

// The targets and the counts of their forms agree with going through every arrangement:
// the unit fractions 1/2 to 1/9, and every other value of denominator up to 30 that has
// two forms at least.
TEST(PandigitalLogic, TargetsAndCountsAgreeWithEveryArrangement) {
    const std::map<Fraction, int> counts = counted_forms();
    std::vector<Fraction> unit, other;
    for (const auto& [value, count] : counts) {
        EXPECT_EQ(int(forms_of(value).size()), count) << fraction_text(value);
        if (value.numerator() > 1) {
            if (count >= 2) {
                other.push_back(value);
            }
        } else if (value.denominator() <= 9) {
            unit.push_back(value);
        }
    }
    const auto sorted = [](std::vector<Fraction> list) {
        std::sort(list.begin(), list.end());
        return list;
    };
    EXPECT_EQ(unit.size(), 8u);
    EXPECT_EQ(sorted(targets(Kind::UnitFractions)), unit);
    EXPECT_EQ(sorted(targets(Kind::WithClues)), unit);
    EXPECT_EQ(sorted(targets(Kind::AnyFraction)), other);
    EXPECT_EQ(counts.at(Fraction(1, 2)), 12);
    EXPECT_TRUE(forms_of(Fraction(2, 3)).empty());
}

// 2000 problems of each kind: the shown form uses 1 to 9 once each and equals the
// target; the count is right; the clues are three places of that form (none without
// clues).
TEST(PandigitalLogic, EveryProblemsFormIsPandigitalAndEqualsItsTarget) {
    for_seeded_problems(
        {Kind::UnitFractions, Kind::AnyFraction, Kind::WithClues}, make_problem,
        [](Kind kind, const Problem& problem) {
            SCOPED_TRACE(form_text(problem.form,
                                   Places{true, true, true, true, true, true, true, true, true}));
            Digits sorted = problem.form;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, (Digits{1, 2, 3, 4, 5, 6, 7, 8, 9}));
            EXPECT_EQ(value_of(problem.form), problem.target);
            EXPECT_EQ(problem.ways, int(forms_of(problem.target).size()));
            EXPECT_EQ(std::count(problem.clue.begin(), problem.clue.end(), true),
                      kind == Kind::WithClues ? kClues : 0);
            EXPECT_TRUE(fits_clues(problem.form, problem));
            const std::string shown = form_text(problem.form, problem.clue);
            EXPECT_EQ(shown.size(), 10u);
            EXPECT_EQ(std::count(shown.begin(), shown.end(), '?'), kind == Kind::WithClues ? 6 : 9);
        });
}

} // namespace
} // namespace chalkline::pandigital
