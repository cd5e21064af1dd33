// SPDX-License-Identifier: GPL-3.0-or-later
#include "orderofoperations_logic.h"

#include <gtest/gtest.h>

namespace chalkline::orderofoperations {
namespace {

// Every problem of every kind: 4 to 6 numbers from 1 to 20, 3 to 5 operations, the kind's
// signs, each line
// of the working the value of the one before with one operation fewer, every step a
// whole number, the last line the value, left to right a different value, and never
// the same expression twice running.
TEST(OrderOfOperations, EveryProblemKeepsTheRules) {
    for (const Kind kind : {Kind::four_rules, Kind::brackets, Kind::powers}) {
        SeededRandom random(static_cast<std::uint32_t>(kind) + 11);
        std::optional<Expression> previous;
        int fallbacks = 0;
        for (int i = 0; i < 2000; ++i) {
            const Problem problem = make_problem(kind, random, previous ? &*previous : nullptr);
            const std::string text = expression_text(problem.question);
            SCOPED_TRACE(text);
            EXPECT_TRUE(fits(problem.question, kind));
            const std::vector<Fraction> numbers = numbers_in(problem.question);
            EXPECT_GE(numbers.size(), 4u);
            EXPECT_LE(numbers.size(), 6u);
            if (previous) {
                EXPECT_NE(text, expression_text(*previous));
            }
            const Fraction value = evaluate(problem.question, {}, Steps::whole);
            ASSERT_GE(problem.working.size(), 3u);
            ASSERT_LE(problem.working.size(), std::size_t(kMostOperations));
            int operations = operation_count(problem.question);
            for (const Expression& line : problem.working) {
                EXPECT_EQ(evaluate(line, {}, Steps::whole), value) << expression_text(line);
                EXPECT_EQ(operation_count(line), --operations) << expression_text(line);
            }
            EXPECT_EQ(problem.working.back(), Expression::number(value));
            EXPECT_NE(left_to_right_value(problem.question), value);
            fallbacks += text == "3 + 4 x 5 - 6 \xC3\xB7 2";
            previous = problem.question;
        }
        EXPECT_LT(fallbacks, 20); // the drafts, not the fixed expressions, make the problems
    }
}

TEST(OrderOfOperations, RefusesWhatBreaksTheRules) {
    const struct {
        const char* text;
        Kind kind;
    } refused[] = {
        {"3 x 4 + 5 - 2", Kind::four_rules},                         // left to right gives 15 too
        {"3 + 4 x 5 - 7 \xC3\xB7 2", Kind::four_rules},              // a step that is not whole
        {"3 - 4 x 5 + 20", Kind::four_rules},                        // a step below 0
        {"3 + 4 x 5 - 6", Kind::four_rules},                         // only 4 numbers needed: fine
        {"2 x (3 + 4) - 1", Kind::four_rules},                       // brackets in the wrong kind
        {"2 + 3 x 4 - 1", Kind::brackets},                           // no brackets
        {"2 + 3 x 21 - 1", Kind::four_rules},                        // a number above 20
        {"2 + 11\xC2\xB2 x 4 - 1", Kind::powers},                    // a base above 10
        {"2 + 3 x 4 - 1 + 1 + 1 + 1", Kind::four_rules},             // 7 numbers
        {"2\xC2\xB2 + 3\xC2\xB2 x 4 - 5\xC2\xB2 + 1", Kind::powers}, // 7 operations
    };
    for (const auto& row : refused) {
        const bool expected = std::string(row.text) == "3 + 4 x 5 - 6";
        EXPECT_EQ(fits(parse_expression(row.text), row.kind), expected) << row.text;
    }
}

} // namespace
} // namespace chalkline::orderofoperations
