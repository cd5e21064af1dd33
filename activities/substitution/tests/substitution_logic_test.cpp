// SPDX-License-Identifier: GPL-3.0-or-later
#include "substitution_logic.h"

#include <gtest/gtest.h>

#include <set>

namespace chalkline::substitution {
namespace {

// Every problem of every kind: three different values of the kind, six different
// expressions whose written text, read back and worked out with the values, gives the
// answer shown; every answer an ending decimal, every division whole; never the same
// problem twice running.
TEST(Substitution, EveryAnswerIsExactAndRight) {
    for (const Kind kind : {Kind::positive_whole_numbers, Kind::integers, Kind::decimals}) {
        SeededRandom random(static_cast<std::uint32_t>(kind) + 3);
        std::optional<Problem> previous;
        for (int i = 0; i < 2000; ++i) {
            const Problem p = make_problem(kind, random, previous ? &*previous : nullptr);
            std::set<Fraction> values(p.values.begin(), p.values.end());
            EXPECT_EQ(values.size(), 3u);
            for (const Fraction& v : p.values) {
                if (kind == Kind::decimals) {
                    EXPECT_TRUE(v >= Fraction(1, 10) && v <= Fraction(99, 10) &&
                                10 % v.denominator() == 0);
                } else {
                    EXPECT_TRUE(v.is_whole() && v >= -10 && v <= 10 && v != 0);
                    EXPECT_TRUE(kind == Kind::integers || v >= 1);
                }
            }
            std::set<std::string> texts;
            bool repeated = previous && previous->values == p.values;
            for (int k = 0; k < kExpressionCount; ++k) {
                const std::string text = algebra_text(p.expressions[k]);
                SCOPED_TRACE(text);
                texts.insert(text);
                const Fraction answer = p.answers[k];
                EXPECT_EQ(evaluate(parse_expression(text), letter_values(p)), answer);
                EXPECT_TRUE(decimal_text(answer).has_value());
                if (text.find("\xC3\xB7") != std::string::npos) {
                    EXPECT_TRUE(answer.is_whole());
                }
                repeated = repeated && algebra_text(previous->expressions[k]) == text;
            }
            EXPECT_EQ(texts.size(), std::size_t(kExpressionCount));
            EXPECT_FALSE(repeated);
            previous = p;
        }
    }
}

} // namespace
} // namespace chalkline::substitution
