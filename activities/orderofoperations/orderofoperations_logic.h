// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression.h"
#include "random.h"

#include <vector>

namespace chalkline::orderofoperations {

// The kinds of expression, in the order of the screen's options: the four operations
// alone, with brackets, or with the powers ² and ³ as well as brackets.
enum class Kind { four_rules, brackets, powers };

// The numbers an expression is written with: 4 to 6 of them, so 3 to 5 of + - x ÷
// between them, each from 1 to 20; a power's base is from 2 to 10 (2 to 5 cubed).
inline constexpr int kFewestNumbers = 4;
inline constexpr int kMostNumbers = 6;
inline constexpr int kBiggestNumber = 20;
// Powers count among the operations, so the working never has more lines than this.
inline constexpr int kMostOperations = 5;
// No value on the way is bigger, so each line can be worked in the head.
inline constexpr int kBiggestValue = 1000;

struct Problem {
    Kind kind = Kind::four_rules;
    Expression question = Expression::number(0);
    // One line per operation, each the whole expression that remains; the last is the
    // value.
    std::vector<Expression> working;
};

// A new expression of the kind, other than the one before: at most kMostOperations
// operations, every step of its working a whole number from 0 to kBiggestValue, and its value
// worked from left to right without regard to the order of operations a different number.
Problem make_problem(Kind kind, RandomSource& random, const Expression* previous = nullptr);

// Whether an expression meets those rules for the kind.
bool fits(const Expression& expression, Kind kind);

} // namespace chalkline::orderofoperations
