// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression.h"
#include "random.h"

#include <gtest/gtest.h>

#include <string>

namespace chalkline {
namespace {

std::string text_of(const std::string& source, bool algebra = false) {
    return expression_text(parse_expression(source), {.algebra = algebra});
}

std::string working_text(const std::string& source) {
    std::string text;
    for (const Expression& line : working(parse_expression(source))) {
        text += (text.empty() ? "" : " | ") + expression_text(line);
    }
    return text;
}

// Where a bracket, a sign or a juxtaposed product is written decides how it reads back.
TEST(Expression, WritesTheScreensNotation) {
    const struct {
        const char* source;
        bool algebra;
        const char* text;
    } rows[] = {
        {"3+4x5-6\xC3\xB7"
         "2",
         false, "3 + 4 x 5 - 6 \xC3\xB7 2"},
        {"(a + b)\xC2\xB2", true, "(a + b)\xC2\xB2"},
        {"2a\xC2\xB2 - 3b", true, "2a\xC2\xB2 - 3b"},
        {"3(a + b) + a(b - c)", true, "3(a + b) + a(b - c)"},
        {"abc - a x 3", true, "abc - a x 3"},
        {"a \xC3\xB7 2b", true, "a \xC3\xB7 (2b)"}, // side by side binds tighter
        {"a \xC3\xB7 2b", false, "a \xC3\xB7 (2 x b)"},
        {"(2 x 3) + 4", false, "(2 x 3) + 4"}, // the writer's brackets stay
        {"8 - (3 - 1) x 2", false, "8 - (3 - 1) x 2"},
        {"-2 x (-3)\xC2\xB3", false, "-2 x (-3)\xC2\xB3"},
        {"0.5 + 1.25", false, "0.5 + 1.25"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text_of(row.source, row.algebra), row.text) << row.source;
    }
    const Expression nested = Expression::binary(
        Operator::subtract, Expression::number(8),
        Expression::binary(Operator::subtract, Expression::number(3), Expression::number(1)));
    EXPECT_EQ(expression_text(nested), "8 - (3 - 1)");
    for (const char* bad : {"", "3 +", "(3", "3)", "2 3", "a3", "x", "3 ++ 4", "1..5"}) {
        EXPECT_THROW(parse_expression(bad), ParseError) << bad;
    }
}

TEST(Expression, EvaluatesExactlyAndReportsWhatCannotBe) {
    EXPECT_EQ(evaluate(parse_expression("8 \xC3\xB7 (3 - 8 \xC3\xB7 3)")), Fraction(24));
    EXPECT_EQ(evaluate(parse_expression("2a\xC2\xB2 - bc"), {{'a', -3}, {'b', 2}, {'c', 5}}),
              Fraction(8));
    EXPECT_EQ(evaluate(parse_expression("a \xC3\xB7 b"), {{'a', Fraction(3, 10)}, {'b', 4}}),
              Fraction(3, 40));
    EXPECT_THROW(evaluate(parse_expression("5 \xC3\xB7 (2 - 2)")), EvaluationError);
    EXPECT_THROW(evaluate(parse_expression("a + 1")), EvaluationError);
    EXPECT_THROW(evaluate(parse_expression("3037000500 x 3037000500")), EvaluationError);
    EXPECT_THROW(evaluate(parse_expression("7 \xC3\xB7 2 x 2"), {}, Steps::whole), EvaluationError);
    EXPECT_EQ(evaluate(parse_expression("7 \xC3\xB7 2 x 2")), Fraction(7));
}

TEST(Expression, WorksOneOperationPerLineInAPupilsOrder) {
    EXPECT_EQ(working_text("3 + 4 x 5 - 6 \xC3\xB7 2"),
              "3 + 20 - 6 \xC3\xB7 2 | 3 + 20 - 3 | 23 - 3 | 20");
    EXPECT_EQ(working_text("2 x (3 + 4)\xC2\xB2 - 5"),
              "2 x 7\xC2\xB2 - 5 | 2 x 49 - 5 | 98 - 5 | 93");
    EXPECT_EQ(working_text("(2 + 3) x (4 + 6 \xC3\xB7 2)"),
              "5 x (4 + 6 \xC3\xB7 2) | 5 x (4 + 3) | 5 x 7 | 35");
    EXPECT_EQ(working_text("20 - 2\xC2\xB3 + 3\xC2\xB2"),
              "20 - 8 + 3\xC2\xB2 | 20 - 8 + 9 | 12 + 9 | 21");
    EXPECT_EQ(working_text("((1 + 2) x 3)"), "(3 x 3) | 9");
    EXPECT_EQ(*left_to_right_value(parse_expression("3 + 4 x 5 - 6 \xC3\xB7 2")), Fraction(29, 2));
    EXPECT_EQ(*left_to_right_value(parse_expression("2 + 3\xC2\xB2")), Fraction(25));
    EXPECT_FALSE(left_to_right_value(parse_expression("6 \xC3\xB7 (0 + 2)")));
}

// A random tree of the four operations, powers, brackets and (where asked) letters.
Expression random_tree(RandomSource& random, int depth, bool letters) {
    const int pick = depth == 0 ? random.draw(0, 1) : random.draw(0, 5);
    const auto below = [&] { return random_tree(random, depth - 1, letters); };
    Expression e = pick == 0 || (pick == 1 && !letters)
                       ? Expression::number(Fraction(random.draw(0, 40), random.draw(1, 2)))
                   : pick == 1 ? Expression::letter(char('a' + random.draw(0, 2)))
                   : pick == 2 ? Expression::power(below(), random.draw(2, 3))
                               : Expression::binary(Operator(random.draw(0, 3)), below(), below());
    return random.draw(0, 5) == 0 ? e.bracketed() : e;
}

// Whatever the tree, its text reads back to the same text and value; the working of a
// tree of numbers does each operation once, each line with the value of the one before.
TEST(Expression, TextReadsBackAndWorkingKeepsTheValue) {
    const LetterValues values{{'a', 3}, {'b', Fraction(-1, 2)}, {'c', 7}};
    for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
        SeededRandom random(seed);
        const bool letters = seed % 2 == 0;
        const Expression tree = random_tree(random, 4, letters);
        const std::string text = expression_text(tree, {.algebra = letters});
        SCOPED_TRACE(text);
        const Expression back = parse_expression(text);
        EXPECT_EQ(expression_text(back, {.algebra = letters}), text);
        std::optional<Fraction> value;
        try {
            value = evaluate(tree, values);
        } catch (const EvaluationError&) {
        }
        if (!value) {
            EXPECT_THROW(evaluate(back, values), EvaluationError);
            continue;
        }
        EXPECT_EQ(evaluate(back, values), *value);
        if (!letters) {
            const std::vector<Expression> lines = working(tree);
            ASSERT_EQ(int(lines.size()), operation_count(tree));
            for (const Expression& line : lines) {
                EXPECT_EQ(evaluate(line), *value) << expression_text(line);
            }
        }
    }
}

} // namespace
} // namespace chalkline
