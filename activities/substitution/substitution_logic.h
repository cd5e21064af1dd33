// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression.h"
#include "random.h"

#include <array>
#include <string>

namespace chalkline::substitution {

// The kinds of values, in the order of the screen's options: a, b and c from 1 to 10,
// from -10 to 10 without 0, or from 0.1 to 9.9 with one decimal place.
enum class Kind { positive_whole_numbers, integers, decimals };

inline constexpr int kExpressionCount = 6;
inline constexpr std::array<char, 3> kLetters{'a', 'b', 'c'};

struct Problem {
    Kind kind = Kind::positive_whole_numbers;
    // The values of a, b and c, all different.
    std::array<Fraction, 3> values{};
    // Six different expressions of a, b and c, easiest first, and their values.
    std::array<Expression, kExpressionCount> expressions{
        Expression::number(0), Expression::number(0), Expression::number(0),
        Expression::number(0), Expression::number(0), Expression::number(0)};
    std::array<Fraction, kExpressionCount> answers{};
};

// The values as the letters' values for evaluate().
LetterValues letter_values(const Problem& problem);

// The way the screens write the expressions: "2a²", "3(a + b)", "ab - c".
std::string algebra_text(const Expression& expression);

// A value as the class writes it: "12", "-7", "0.35" (every value here ends as a decimal).
std::string value_text(const Fraction& value);

// A new problem of the kind, other than the one before: the values drawn, then one
// expression from each of six levels of difficulty in turn, a division only where it
// comes out whole.
Problem make_problem(Kind kind, RandomSource& random, const Problem* previous = nullptr);

} // namespace chalkline::substitution
