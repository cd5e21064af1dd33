// SPDX-License-Identifier: GPL-3.0-or-later
#include "percentages_logic.h"

#include "seeded_problems.h"

#include <gtest/gtest.h>

namespace chalkline::percentages {
namespace {

using fractionkit::testing::for_seeded_problems;

// Digits after the point in a text.
int places(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : int(text.size() - point - 1);
}

// 2000 sets of each kind: every answer worked out again another way and read back from
// its text; percentages rising by pairs; amounts whole; no set twice running.
TEST(PercentagesLogic, EveryAnswerIsExactAndEndsWithinTwoPlaces) {
    for_seeded_problems<Questions>(
        {Kind::OfAnAmount, Kind::IncreaseAndDecrease, Kind::WhatPercentage}, make_problem,
        [](Kind kind, const Questions& questions, const Questions& previous) {
            ASSERT_NE(questions, previous);
            for (int i = 0; i < kQuestions; ++i) {
                const Question& q = questions[std::size_t(i)];
                SCOPED_TRACE(percent_text_of(q) + " " + std::to_string(q.amount));
                EXPECT_EQ(q.kind, kind);
                EXPECT_GE(q.amount, 20);
                EXPECT_LE(q.amount, 400);
                // The pairs: tens and quarters, then fives, then halves of fives.
                EXPECT_TRUE(i >= 2 || (q.percent / 10).is_whole() || (q.percent / 25).is_whole());
                EXPECT_EQ((q.percent / 5).is_whole(), i < 4);
                EXPECT_TRUE((q.percent * 2 / 5).is_whole());
                if (i % 2 == 1) {
                    EXPECT_NE(q.percent, questions[std::size_t(i - 1)].percent);
                }
                const Fraction result = answer(q);
                const std::string text = answer_text(q);
                switch (kind) {
                case Kind::OfAnAmount:
                    EXPECT_EQ(result * 100, q.percent * q.amount);
                    break;
                case Kind::IncreaseAndDecrease:
                    EXPECT_EQ((result - q.amount) * 100,
                              (q.increase ? 1 : -1) * q.percent * q.amount);
                    EXPECT_GT(result, 0);
                    break;
                case Kind::WhatPercentage:
                    EXPECT_EQ(Fraction(part(q) * 100), q.percent * q.amount);
                    EXPECT_GT(part(q), 0);
                    EXPECT_EQ(text.back(), '%');
                    break;
                }
                const std::string number =
                    kind == Kind::WhatPercentage ? text.substr(0, text.size() - 1) : text;
                EXPECT_EQ(parse_fraction(number),
                          kind == Kind::WhatPercentage ? q.percent : result);
                EXPECT_LE(places(number), 2);
                if (i < 4 && kind != Kind::WhatPercentage) {
                    EXPECT_TRUE(result.is_whole());
                }
            }
        });
}

} // namespace
} // namespace chalkline::percentages
