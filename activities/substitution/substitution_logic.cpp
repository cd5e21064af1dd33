// SPDX-License-Identifier: GPL-3.0-or-later
#include "substitution_logic.h"

#include <vector>

namespace chalkline::substitution {

namespace {

// The expressions of each level of difficulty, easiest level first; "#" stands for a
// number from 2 to 5 drawn afresh. Every level has expressions without division, which
// always give a value that ends as a decimal.
const std::vector<std::vector<const char*>> kLevels = {
    {"#a", "a + b", "#b", "b + c", "a + c"},
    {"#a + b", "#b - c", "ab", "a + b + c", "#c - a"},
    {"a\xC2\xB2", "#(a + b)", "ab - c", "bc + a", "#(b - c)"},
    {"#a\xC2\xB2", "a(b + c)", "ab + bc", "a\xC2\xB2 + b", "c\xC2\xB2 - a"},
    {"(a + b)\xC2\xB2", "a\xC2\xB2 + b\xC2\xB2", "abc", "#(a - b) + c", "b\xC2\xB3"},
    {"a \xC3\xB7 b", "ab \xC3\xB7 c", "(a - b)(a + c)", "2a\xC2\xB2 - 3b", "a\xC2\xB3 + b",
     "(a + b) \xC3\xB7 c"},
};

bool divides(const Expression& e) {
    if (e.kind() == Expression::Kind::binary) {
        return e.op() == Operator::divide || divides(e.left()) || divides(e.right());
    }
    return e.kind() == Expression::Kind::power && divides(e.left());
}

// The values a, b and c, all different: each drawn from the values the others have not
// taken, so the draw is bounded.
std::array<Fraction, 3> draw_values(Kind kind, RandomSource& random) {
    std::vector<Fraction> pool;
    for (int n = -10; n <= 99; ++n) {
        if ((kind == Kind::positive_whole_numbers && n >= 1 && n <= 10) ||
            (kind == Kind::integers && n != 0 && n <= 10) || (kind == Kind::decimals && n >= 1)) {
            pool.push_back(kind == Kind::decimals ? Fraction(n, 10) : Fraction(n));
        }
    }
    std::array<Fraction, 3> values;
    for (Fraction& value : values) {
        const auto at = pool.begin() + random.draw(0, int(pool.size()) - 1);
        value = *at;
        pool.erase(at);
    }
    return values;
}

// The expression of a level that the values suit, starting from a random one and going
// on through the level: a division must come out whole.
Expression pick(int level, const LetterValues& values, RandomSource& random) {
    const auto& choices = kLevels[std::size_t(level)];
    const int start = random.draw(0, int(choices.size()) - 1);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        std::string text = choices[(std::size_t(start) + i) % choices.size()];
        if (const auto hash = text.find('#'); hash != std::string::npos) {
            text[hash] = char('0' + random.draw(2, 5));
        }
        const Expression e = parse_expression(text);
        const Fraction value = evaluate(e, values);
        if (!divides(e) || value.is_whole()) {
            return e;
        }
    }
    // Unreachable: every level has expressions without division.
    return parse_expression(choices.front());
}

} // namespace

LetterValues letter_values(const Problem& problem) {
    LetterValues values;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        values[kLetters[i]] = problem.values[i];
    }
    return values;
}

std::string algebra_text(const Expression& expression) {
    return expression_text(expression, {.algebra = true});
}

std::string value_text(const Fraction& value) {
    return decimal_text(value).value_or(fraction_text(value));
}

Problem make_problem(Kind kind, RandomSource& random, const Problem* previous) {
    random.reseed();
    Problem problem;
    problem.kind = kind;
    problem.values = draw_values(kind, random);
    // The same values twice running are drawn again once; two of them swapped then make
    // a different problem for certain.
    if (previous && previous->values == problem.values) {
        problem.values = draw_values(kind, random);
        if (previous->values == problem.values) {
            std::swap(problem.values[0], problem.values[1]);
        }
    }
    const LetterValues values = letter_values(problem);
    for (int level = 0; level < kExpressionCount; ++level) {
        problem.expressions[std::size_t(level)] = pick(level, values, random);
        problem.answers[std::size_t(level)] =
            evaluate(problem.expressions[std::size_t(level)], values);
    }
    return problem;
}

} // namespace chalkline::substitution
