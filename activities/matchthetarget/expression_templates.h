// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace chalkline::matchthetarget {

// The five given numbers N1 to N5, in the order the class sees them.
using Given = std::array<int, 5>;

using chalkline::Expression;
using chalkline::Operator;
using chalkline::operator_sign;

// A pair of brackets around the operands first to last (positions 1 to 5).
struct BracketGroup {
    int first;
    int last;
};

// One of the fifteen fixed expressions a puzzle is built from: the four operators
// between N1 ... N5 in order, and up to two bracket groups, first bracket first.
// Brackets never nest and never overlap.
struct ExpressionTemplate {
    int number;
    std::array<Operator, 4> operators;
    std::vector<BracketGroup> brackets;
};

inline constexpr int template_count = 15;

// Raised when a template is worked out on numbers that make a division inexact or
// divide by zero, or that overflow: the puzzle would be false, so it is never
// rounded away.
using chalkline::EvaluationError;

// All fifteen templates, numbered 1 to 15 in order.
const std::array<ExpressionTemplate, template_count>& expression_templates();

// The template numbered 1 to 15; std::out_of_range for any other number.
const ExpressionTemplate& expression_template(int number);

// The template's expression written with the given numbers.
Expression template_expression(int template_number, const Given& given);

// The value of the template's expression on the given numbers: brackets first, then
// multiplication and division before addition and subtraction, operators of the same
// strength from left to right, all on exact whole numbers.
int target_value(int template_number, const Given& given);

// The value of the template's first bracket; std::invalid_argument for a template
// without brackets.
int bracket_value(int template_number, const Given& given);

// The expression written with the given numbers, e.g. "(4  +  7)  x  9  -  3  x  8".
std::string answer_text(int template_number, const Given& given);

} // namespace chalkline::matchthetarget
