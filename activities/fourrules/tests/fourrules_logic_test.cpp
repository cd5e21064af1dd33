// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourrules_logic.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace chalkline::fourrules {
namespace {

using chalkline::testing::ScriptedRandom;

// Exact fractions, kept in lowest terms with a positive denominator, worked out here
// independently of the code under test.
struct Rational {
    long long n;
    long long d;
};

Rational make(long long n, long long d) {
    const long long g = std::gcd(n, d);
    return d < 0 ? Rational{-n / g, -d / g} : Rational{n / g, d / g};
}
Rational operator+(Rational a, Rational b) {
    return make(a.n * b.d + b.n * a.d, a.d * b.d);
}
Rational operator-(Rational a, Rational b) {
    return make(a.n * b.d - b.n * a.d, a.d * b.d);
}
Rational operator*(Rational a, Rational b) {
    return make(a.n * b.n, a.d * b.d);
}
Rational operator/(Rational a, Rational b) {
    return make(a.n * b.d, a.d * b.n);
}

void expect_fraction(const Fraction& f, Rational r, const std::string& what) {
    EXPECT_EQ(f.numerator, r.n) << what;
    EXPECT_EQ(f.denominator, r.d) << what;
}

// Whether the four numbers as drawn make an acceptable pair of fractions.
bool acceptable(int num1, int den1, int num2, int den2) {
    if (num1 >= den1 || num2 >= den2) {
        return false;
    }
    const Rational a = make(num1, den1);
    const Rational b = make(num2, den2);
    return (a - b).n > 0 && (a + b).d != 1 && (a / b).d != 1;
}

// Every kind-3 answer against exact arithmetic, mixed forms included.
void expect_fraction_answers(const FourRulesProblem& p, const std::string& what) {
    const Rational a = make(p.num1, p.den1);
    const Rational b = make(p.num2, p.den2);
    const FourRulesAnswers answers = work_out_answers(p);
    expect_fraction(answers.sum, a + b, what + " sum");
    expect_fraction(answers.difference, a - b, what + " difference");
    expect_fraction(answers.product, a * b, what + " product");
    expect_fraction(answers.quotient, a / b, what + " quotient");

    const Rational sum = a + b;
    ASSERT_EQ(answers.sum_mixed.has_value(), sum.n > sum.d) << what;
    if (answers.sum_mixed) {
        EXPECT_EQ(answers.sum_mixed->whole, 1) << what;
        EXPECT_EQ(answers.sum_mixed->remainder, sum.n - sum.d) << what;
        EXPECT_EQ(answers.sum_mixed->denominator, sum.d) << what;
    }
    const Rational quotient = a / b;
    ASSERT_TRUE(answers.quotient_mixed.has_value()) << what;
    EXPECT_EQ(answers.quotient_mixed->whole, quotient.n / quotient.d) << what;
    EXPECT_EQ(answers.quotient_mixed->remainder, quotient.n % quotient.d) << what;
    EXPECT_NE(answers.quotient_mixed->remainder, 0) << what;
    EXPECT_EQ(answers.quotient_mixed->denominator, quotient.d) << what;
    EXPECT_EQ(answers.texts[0], "The sum is");
    EXPECT_EQ(answers.texts[1], "The difference is");
    EXPECT_EQ(answers.texts[2], "The product is");
    EXPECT_EQ(answers.texts[3], "The quotient is");
}

// A quotient text must be plain decimal with at most seven significant digits and lie
// within half a unit of its last digit (plus the error of 32-bit division) of the
// exact quotient.
void expect_quotient_text(int first, int second) {
    const std::string text = quotient_text(first, second);
    const std::string what = std::to_string(first) + " / " + std::to_string(second) + " -> " + text;
    ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << what;
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    digits.erase(0, digits.find_first_not_of('0'));
    EXPECT_LE(digits.size(), 7u) << what;
    if (text.find('.') != std::string::npos) {
        EXPECT_NE(text.back(), '0') << what;
        EXPECT_NE(text.back(), '.') << what;
    }
    const double exact = double(first) / second;
    const double last_digit = std::pow(10.0, std::floor(std::log10(std::fabs(exact))) - 6);
    EXPECT_LE(std::fabs(std::stod(text) - exact), last_digit / 2 + std::fabs(exact) * 1.2e-7)
        << what;
}

class FourRules : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Each script holds a draw that a rule must reject followed by one it must accept;
// the problem must be the second, drawn after exactly one reseed and with every
// scripted draw used. The ranges in the scripts also fix the order of the draws.
TEST_F(FourRules, RedrawsUntilTheRulesOfTheKindAreMet) {
    struct Case {
        const char* rule;
        Kind kind;
        std::vector<int> rejected;
        std::vector<int> accepted;
        std::vector<int> shown;
    };
    const std::vector<Case> cases = {
        {"whole: first smaller", Kind::PositiveWholeNumbers, {3, 5}, {5, 5}, {5, 5}},
        {"whole: first smaller at the ends", Kind::PositiveWholeNumbers, {1, 35}, {35, 1}, {35, 1}},
        {"integers: |first| < |second|", Kind::Integers, {3, -7}, {-7, 3}, {-7, 3}},
        {"integers: second is 0", Kind::Integers, {5, 0}, {5, -5}, {5, -5}},
        {"integers: both 0", Kind::Integers, {0, 0}, {-20, 20}, {-20, 20}},
        {"integers: both positive", Kind::Integers, {7, 3}, {-7, -7}, {-7, -7}},
        {"integers: both positive and equal", Kind::Integers, {20, 20}, {20, -20}, {20, -20}},
        {"fractions: first not proper",
         Kind::ProperFractions,
         {5, 4, 1, 3},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: first is whole",
         Kind::ProperFractions,
         {4, 4, 1, 3},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: second not proper",
         Kind::ProperFractions,
         {1, 2, 3, 3},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: first smaller",
         Kind::ProperFractions,
         {1, 3, 1, 2},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: equal as drawn",
         Kind::ProperFractions,
         {1, 2, 2, 4},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: sum exactly 1",
         Kind::ProperFractions,
         {2, 3, 1, 3},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: sum 1 only", Kind::ProperFractions, {5, 8, 3, 8}, {1, 2, 1, 3}, {1, 2, 1, 3}},
        {"fractions: quotient exactly 2",
         Kind::ProperFractions,
         {1, 2, 1, 4},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: quotient 3 only",
         Kind::ProperFractions,
         {9, 10, 3, 10},
         {1, 2, 1, 3},
         {1, 2, 1, 3}},
        {"fractions: reduced once accepted",
         Kind::ProperFractions,
         {1, 2, 1, 4},
         {6, 8, 1, 3},
         {3, 4, 1, 3}},
        {"fractions: both reduced",
         Kind::ProperFractions,
         {1, 2, 1, 4},
         {10, 12, 4, 6},
         {5, 6, 2, 3}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        for (const auto* draws : {&c.rejected, &c.accepted}) {
            for (std::size_t i = 0; i < draws->size(); ++i) {
                if (c.kind == Kind::PositiveWholeNumbers) {
                    random.then((*draws)[i], 1, 35);
                } else if (c.kind == Kind::Integers) {
                    random.then((*draws)[i], -20, 20);
                } else {
                    random.then((*draws)[i], 1, i % 2 == 0 ? 11 : 12);
                }
            }
        }
        const FourRulesProblem p = make_problem(c.kind, random);
        EXPECT_EQ(p.kind, c.kind) << c.rule;
        EXPECT_EQ(random.reseeds(), 1) << c.rule;
        EXPECT_EQ(random.remaining(), 0u) << c.rule;
        const std::vector<int> shown = c.kind == Kind::ProperFractions
                                           ? std::vector<int>{p.num1, p.den1, p.num2, p.den2}
                                           : std::vector<int>{p.first, p.second};
        EXPECT_EQ(shown, c.shown) << c.rule;
    }
}

TEST_F(FourRules, RefusesAnUnknownKindWithoutDrawing) {
    for (int kind : {-1, 3, -2}) {
        ScriptedRandom random;
        EXPECT_THROW(make_problem(Kind(kind), random), std::invalid_argument) << kind;
        EXPECT_EQ(random.reseeds(), 0);
    }
}

// Every quadruple of numbers that can be drawn for kind 3: the pair is kept exactly
// when exact arithmetic finds it acceptable, and then shown in lowest terms.
TEST_F(FourRules, JudgesEveryPossibleFractionDrawExactly) {
    int accepted = 0;
    for (int num1 = 1; num1 <= 11; ++num1) {
        for (int den1 = 1; den1 <= 12; ++den1) {
            for (int num2 = 1; num2 <= 11; ++num2) {
                for (int den2 = 1; den2 <= 12; ++den2) {
                    ScriptedRandom random;
                    random.then(num1, 1, 11).then(den1, 1, 12).then(num2, 1, 11).then(den2, 1, 12);
                    random.then(1, 1, 11).then(2, 1, 12).then(1, 1, 11).then(3, 1, 12);
                    const FourRulesProblem p = make_problem(Kind::ProperFractions, random);
                    const bool keep = acceptable(num1, den1, num2, den2);
                    accepted += keep;
                    const Rational a = keep ? make(num1, den1) : Rational{1, 2};
                    const Rational b = keep ? make(num2, den2) : Rational{1, 3};
                    ASSERT_EQ(std::vector<long long>({p.num1, p.den1, p.num2, p.den2}),
                              std::vector<long long>({a.n, a.d, b.n, b.d}))
                        << num1 << "/" << den1 << " and " << num2 << "/" << den2;
                    ASSERT_EQ(random.remaining(), keep ? 4u : 0u);
                }
            }
        }
    }
    EXPECT_GT(accepted, 1000);
}

TEST_F(FourRules, WorksOutTheWholeNumberAnswers) {
    const struct {
        Kind kind;
        int first, second;
        const char *sum, *difference, *product, *quotient;
    } cases[] = {
        {Kind::PositiveWholeNumbers, 35, 1, "36", "34", "35", "35"},
        {Kind::PositiveWholeNumbers, 12, 12, "24", "0", "144", "1"},
        {Kind::PositiveWholeNumbers, 35, 3, "38", "32", "105", "11.66667"},
        {Kind::PositiveWholeNumbers, 32, 13, "45", "19", "416", "2.461539"},
        {Kind::PositiveWholeNumbers, 7, 2, "9", "5", "14", "3.5"},
        {Kind::PositiveWholeNumbers, 20, 3, "23", "17", "60", "6.666667"},
        {Kind::Integers, -20, -20, "-40", "0", "400", "1"},
        {Kind::Integers, 20, -20, "0", "40", "-400", "-1"},
        {Kind::Integers, -20, 3, "-17", "-23", "-60", "-6.666667"},
        {Kind::Integers, -20, 4, "-16", "-24", "-80", "-5"},
        {Kind::Integers, -7, -2, "-9", "-5", "14", "3.5"},
        {Kind::Integers, 19, -16, "3", "35", "-304", "-1.1875"},
    };
    for (const auto& c : cases) {
        const FourRulesProblem p{.kind = c.kind, .first = c.first, .second = c.second};
        const FourRulesAnswers answers = work_out_answers(p);
        EXPECT_EQ(answers.texts[0], std::string("The sum is ") + c.sum);
        EXPECT_EQ(answers.texts[1], std::string("The difference is ") + c.difference);
        EXPECT_EQ(answers.texts[2], std::string("The product is ") + c.product);
        EXPECT_EQ(answers.texts[3], std::string("The quotient is ") + c.quotient);
        EXPECT_FALSE(answers.sum_mixed.has_value());
        EXPECT_FALSE(answers.quotient_mixed.has_value());
    }
}

// Every pair either whole-number kind can produce, and some it cannot.
TEST_F(FourRules, WritesEveryQuotientWithAtMostSevenSignificantDigits) {
    for (int first = -35; first <= 35; ++first) {
        for (int second = -35; second <= 35; ++second) {
            if (second != 0) {
                expect_quotient_text(first, second);
            }
        }
    }
}

TEST_F(FourRules, WorksOutTheFractionAnswersWithMixedForms) {
    const struct {
        int num1, den1, num2, den2;
        Fraction sum, difference, product, quotient;
        std::optional<std::pair<int, int>> sum_mixed;
        std::pair<int, int> quotient_mixed;
    } cases[] = {
        {1, 2, 1, 3, {5, 6}, {1, 6}, {1, 6}, {3, 2}, std::nullopt, {1, 1}},
        {3, 4, 2, 3, {17, 12}, {1, 12}, {1, 2}, {9, 8}, std::pair{1, 5}, {1, 1}},
        {11, 12, 10, 11, {241, 132}, {1, 132}, {5, 6}, {121, 120}, std::pair{1, 109}, {1, 1}},
    };
    for (const auto& c : cases) {
        const FourRulesProblem p{.kind = Kind::ProperFractions,
                                 .num1 = c.num1,
                                 .den1 = c.den1,
                                 .num2 = c.num2,
                                 .den2 = c.den2};
        const std::string what = std::to_string(c.num1) + "/" + std::to_string(c.den1);
        for (int ask = 0; ask < 2; ++ask) {
            const FourRulesAnswers answers = work_out_answers(p);
            for (const auto& [got, want] : {std::pair{answers.sum, c.sum},
                                            {answers.difference, c.difference},
                                            {answers.product, c.product},
                                            {answers.quotient, c.quotient}}) {
                EXPECT_EQ(got.numerator, want.numerator) << what;
                EXPECT_EQ(got.denominator, want.denominator) << what;
            }
            ASSERT_EQ(answers.sum_mixed.has_value(), c.sum_mixed.has_value()) << what;
            if (c.sum_mixed) {
                EXPECT_EQ(answers.sum_mixed->whole, c.sum_mixed->first) << what;
                EXPECT_EQ(answers.sum_mixed->remainder, c.sum_mixed->second) << what;
                EXPECT_EQ(answers.sum_mixed->denominator, c.sum.denominator) << what;
            }
            ASSERT_TRUE(answers.quotient_mixed.has_value()) << what;
            EXPECT_EQ(answers.quotient_mixed->whole, c.quotient_mixed.first) << what;
            EXPECT_EQ(answers.quotient_mixed->remainder, c.quotient_mixed.second) << what;
            EXPECT_EQ(answers.quotient_mixed->denominator, c.quotient.denominator) << what;
        }
    }
}

// Many problems of each kind from the program's own generator: each obeys its kind's
// rules and every answer agrees with exact arithmetic.
TEST_F(FourRules, EveryGeneratedProblemObeysItsRulesAndIsAnsweredExactly) {
    ClockRandom random;
    const int problems = 4000;
    std::set<std::pair<int, int>> whole_pairs;
    std::set<std::pair<int, int>> integer_pairs;
    for (int i = 0; i < problems; ++i) {
        const FourRulesProblem p = make_problem(Kind::PositiveWholeNumbers, random);
        ASSERT_GE(p.second, 1);
        ASSERT_LE(p.first, 35);
        ASSERT_GE(p.first, p.second);
        whole_pairs.insert({p.first, p.second});
        const FourRulesAnswers answers = work_out_answers(p);
        EXPECT_EQ(answers.texts[0], "The sum is " + std::to_string(p.first + p.second));
        EXPECT_EQ(answers.texts[1], "The difference is " + std::to_string(p.first - p.second));
        EXPECT_EQ(answers.texts[2], "The product is " + std::to_string(p.first * p.second));
        EXPECT_EQ(answers.texts[3], "The quotient is " + quotient_text(p.first, p.second));
    }
    for (int i = 0; i < problems; ++i) {
        const FourRulesProblem p = make_problem(Kind::Integers, random);
        ASSERT_GE(p.first, -20);
        ASSERT_LE(p.first, 20);
        ASSERT_NE(p.second, 0);
        ASSERT_GE(std::abs(p.first), std::abs(p.second));
        ASSERT_TRUE(p.first < 0 || p.second < 0) << p.first << ", " << p.second;
        integer_pairs.insert({p.first, p.second});
        const FourRulesAnswers answers = work_out_answers(p);
        EXPECT_EQ(answers.texts[0], "The sum is " + std::to_string(p.first + p.second));
        EXPECT_EQ(answers.texts[1], "The difference is " + std::to_string(p.first - p.second));
        EXPECT_EQ(answers.texts[2], "The product is " + std::to_string(p.first * p.second));
    }
    for (int i = 0; i < problems; ++i) {
        const FourRulesProblem p = make_problem(Kind::ProperFractions, random);
        const std::string what = std::to_string(p.num1) + "/" + std::to_string(p.den1) + " and " +
                                 std::to_string(p.num2) + "/" + std::to_string(p.den2);
        ASSERT_EQ(std::gcd(p.num1, p.den1), 1) << what;
        ASSERT_EQ(std::gcd(p.num2, p.den2), 1) << what;
        ASSERT_TRUE(acceptable(p.num1, p.den1, p.num2, p.den2)) << what;
        ASSERT_GE(p.den2, 2) << what;
        expect_fraction_answers(p, what);
    }
    // The draws reach the ends of their ranges and every sign pattern allowed.
    EXPECT_TRUE(whole_pairs.count({35, 1}) || whole_pairs.count({35, 35}));
    EXPECT_GT(whole_pairs.size(), 500u);
    bool both_negative = false;
    bool mixed_signs = false;
    for (const auto& [first, second] : integer_pairs) {
        both_negative |= first < 0 && second < 0;
        mixed_signs |= (first < 0) != (second < 0);
    }
    EXPECT_TRUE(both_negative);
    EXPECT_TRUE(mixed_signs);
}

} // namespace
} // namespace chalkline::fourrules
