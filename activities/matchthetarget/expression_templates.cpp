// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_templates.h"

#include "number_text.h"

#include <cstdint>
#include <limits>

namespace chalkline::matchthetarget {

namespace {

constexpr Operator add = Operator::add;
constexpr Operator sub = Operator::subtract;
constexpr Operator mul = Operator::multiply;
constexpr Operator dvd = Operator::divide;

const std::array<ExpressionTemplate, template_count> templates{{
    {1, {mul, add, sub, dvd}, {}},                // N1 x N2 + N3 - N4 ÷ N5
    {2, {mul, add, mul, sub}, {}},                // N1 x N2 + N3 x N4 - N5
    {3, {dvd, add, mul, add}, {}},                // N1 ÷ N2 + N3 x N4 + N5
    {4, {add, sub, mul, add}, {{1, 3}}},          // (N1 + N2 - N3) x N4 + N5
    {5, {add, mul, sub, mul}, {{1, 2}}},          // (N1 + N2) x N3 - N4 x N5
    {6, {dvd, mul, add, mul}, {}},                // N1 ÷ N2 x N3 + N4 x N5
    {7, {sub, sub, mul, add}, {{1, 3}}},          // (N1 - N2 - N3) x N4 + N5
    {8, {add, sub, add, sub}, {}},                // N1 + N2 - N3 + N4 - N5
    {9, {add, mul, sub, add}, {{1, 2}, {3, 4}}},  // (N1 + N2) x (N3 - N4) + N5
    {10, {sub, mul, add, mul}, {{1, 2}, {3, 4}}}, // (N1 - N2) x (N3 + N4) x N5
    {11, {add, add, sub, sub}, {}},               // N1 + N2 + N3 - N4 - N5
    {12, {add, mul, add, mul}, {}},               // N1 + N2 x N3 + N4 x N5
    {13, {add, sub, dvd, add}, {{1, 3}}},         // (N1 + N2 - N3) ÷ N4 + N5
    {14, {mul, sub, dvd, sub}, {{1, 3}}},         // (N1 x N2 - N3) ÷ N4 - N5
    {15, {mul, sub, mul, sub}, {}},               // N1 x N2 - N3 x N4 - N5
}};

using Wide = std::int64_t;

Wide apply(Wide left, Operator op, Wide right) {
    Wide result = 0;
    bool overflow = false;
    switch (op) {
    case Operator::add:
        overflow = __builtin_add_overflow(left, right, &result);
        break;
    case Operator::subtract:
        overflow = __builtin_sub_overflow(left, right, &result);
        break;
    case Operator::multiply:
        overflow = __builtin_mul_overflow(left, right, &result);
        break;
    case Operator::divide:
        if (right == 0) {
            throw EvaluationError("division by zero");
        }
        if (left % right != 0) {
            throw EvaluationError("inexact division: " + std::to_string(left) + " by " +
                                  std::to_string(right));
        }
        overflow = (left == std::numeric_limits<Wide>::min() && right == -1);
        result = overflow ? 0 : left / right;
        break;
    }
    if (overflow) {
        throw EvaluationError("value out of range");
    }
    return result;
}

bool is_strong(Operator op) {
    return op == Operator::multiply || op == Operator::divide;
}

// A run of operands without brackets: products and quotients are formed left to
// right into terms, and the terms are then added or subtracted left to right.
Wide evaluate_run(const std::vector<Wide>& values, const std::vector<Operator>& operators) {
    Wide sum = 0;
    Operator pending = Operator::add;
    Wide term = values.front();
    for (std::size_t i = 0; i < operators.size(); ++i) {
        if (is_strong(operators[i])) {
            term = apply(term, operators[i], values[i + 1]);
        } else {
            sum = apply(sum, pending, term);
            pending = operators[i];
            term = values[i + 1];
        }
    }
    return apply(sum, pending, term);
}

// The operands first to last (0-based, inclusive) with the operators between them.
Wide evaluate_span(const ExpressionTemplate& t, const Given& given, int first, int last) {
    std::vector<Wide> values(given.begin() + first, given.begin() + last + 1);
    std::vector<Operator> operators(t.operators.begin() + first, t.operators.begin() + last);
    return evaluate_run(values, operators);
}

int narrow(Wide value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        throw EvaluationError("value out of range");
    }
    return int(value);
}

} // namespace

const std::array<ExpressionTemplate, template_count>& expression_templates() {
    return templates;
}

const ExpressionTemplate& expression_template(int number) {
    if (number < 1 || number > template_count) {
        throw std::out_of_range("no expression template " + std::to_string(number));
    }
    return templates[std::size_t(number - 1)];
}

const char* operator_sign(Operator op) {
    switch (op) {
    case Operator::add:
        return "+";
    case Operator::subtract:
        return "-";
    case Operator::multiply:
        return "x";
    case Operator::divide:
        return "\xC3\xB7"; // U+00F7 DIVISION SIGN
    }
    return "?";
}

int target_value(int template_number, const Given& given) {
    const ExpressionTemplate& t = expression_template(template_number);
    // Each bracket collapses to one value; what remains is a run without brackets.
    std::vector<Wide> values;
    std::vector<Operator> operators;
    int position = 0;
    auto bracket = t.brackets.begin();
    while (position < 5) {
        if (bracket != t.brackets.end() && bracket->first - 1 == position) {
            values.push_back(evaluate_span(t, given, bracket->first - 1, bracket->last - 1));
            position = bracket->last;
            ++bracket;
        } else {
            values.push_back(given[std::size_t(position)]);
            ++position;
        }
        if (position < 5) {
            operators.push_back(t.operators[std::size_t(position - 1)]);
        }
    }
    return narrow(evaluate_run(values, operators));
}

int bracket_value(int template_number, const Given& given) {
    const ExpressionTemplate& t = expression_template(template_number);
    if (t.brackets.empty()) {
        throw std::invalid_argument("expression template " + std::to_string(template_number) +
                                    " has no bracket");
    }
    const BracketGroup& b = t.brackets.front();
    return narrow(evaluate_span(t, given, b.first - 1, b.last - 1));
}

std::string answer_text(int template_number, const Given& given) {
    const ExpressionTemplate& t = expression_template(template_number);
    std::string text;
    for (int position = 1; position <= 5; ++position) {
        for (const BracketGroup& b : t.brackets) {
            if (b.first == position) {
                text += '(';
            }
        }
        text += number_text(given[std::size_t(position - 1)]);
        for (const BracketGroup& b : t.brackets) {
            if (b.last == position) {
                text += ')';
            }
        }
        if (position < 5) {
            text += "  ";
            text += operator_sign(t.operators[std::size_t(position - 1)]);
            text += "  ";
        }
    }
    return text;
}

} // namespace chalkline::matchthetarget
