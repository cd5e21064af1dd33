// SPDX-License-Identifier: GPL-3.0-or-later
#include "substitution_logic.h"

#include <gtest/gtest.h>

#include <set>

namespace chalkline::substitution {
namespace {

// Every problem of every kind: three different values of the kind, six different
// expressions whose written text, read back and worked out with the values, gives the
// answer shown; every answer an ending decimal, every division whole; with positive whole
// numbers every answer whole and not negative, with decimals no letter whole.
TEST(Substitution, EveryAnswerIsExactAndRight) {
    for (const Kind kind : {Kind::positive_whole_numbers, Kind::integers, Kind::decimals}) {
        for (std::uint32_t seed = 0; seed < 2000; ++seed) {
            SeededRandom random(seed);
            const Problem p = make_problem(kind, random);
            std::set<Fraction> values(p.values.begin(), p.values.end());
            EXPECT_EQ(values.size(), 3u);
            for (const Fraction& v : p.values) {
                if (kind == Kind::decimals) {
                    EXPECT_TRUE(v >= Fraction(1, 10) && v <= Fraction(99, 10) &&
                                10 % v.denominator() == 0 && !v.is_whole());
                } else {
                    EXPECT_TRUE(v.is_whole() && v >= -10 && v <= 10 && v != 0);
                    EXPECT_TRUE(kind == Kind::integers || v >= 1);
                }
            }
            std::set<std::string> texts;
            for (int k = 0; k < kExpressionCount; ++k) {
                const std::string text = algebra_text(p.expressions[k]);
                SCOPED_TRACE(text);
                texts.insert(text);
                const Fraction answer = p.answers[k];
                EXPECT_EQ(evaluate(parse_expression(text), letter_values(p)), answer);
                EXPECT_TRUE(decimal_text(answer).has_value());
                if (kind == Kind::positive_whole_numbers) {
                    EXPECT_TRUE(answer.is_whole() && answer >= 0);
                }
                if (text.find("\xC3\xB7") != std::string::npos) {
                    EXPECT_TRUE(answer.is_whole());
                }
            }
            EXPECT_EQ(texts.size(), std::size_t(kExpressionCount));
        }
    }
}

} // namespace
} // namespace chalkline::substitution
