// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_templates.h"

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

// The operands first to last (1-based, inclusive) with the operators between them and
// the template's brackets inside that span, in the engine's notation.
std::string span_text(const ExpressionTemplate& t, const Given& given, int first, int last) {
    std::string text;
    for (int position = first; position <= last; ++position) {
        for (const BracketGroup& b : t.brackets) {
            if (b.first == position && b.last <= last && (b.first != first || b.last != last)) {
                text += '(';
            }
        }
        text += std::to_string(given[std::size_t(position - 1)]);
        for (const BracketGroup& b : t.brackets) {
            if (b.last == position && b.first >= first && (b.first != first || b.last != last)) {
                text += ')';
            }
        }
        if (position < last) {
            text += ' ';
            text += operator_sign(t.operators[std::size_t(position - 1)]);
            text += ' ';
        }
    }
    return text;
}

// Every step whole, as the puzzles are of whole numbers; the value must fit an int.
int whole_value(const Expression& expression) {
    const chalkline::Fraction value = evaluate(expression, {}, chalkline::Steps::whole);
    if (value.numerator() < std::numeric_limits<int>::min() ||
        value.numerator() > std::numeric_limits<int>::max()) {
        throw EvaluationError("value out of range");
    }
    return int(value.numerator());
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

Expression template_expression(int template_number, const Given& given) {
    return chalkline::parse_expression(
        span_text(expression_template(template_number), given, 1, 5));
}

int target_value(int template_number, const Given& given) {
    return whole_value(template_expression(template_number, given));
}

int bracket_value(int template_number, const Given& given) {
    const ExpressionTemplate& t = expression_template(template_number);
    if (t.brackets.empty()) {
        throw std::invalid_argument("expression template " + std::to_string(template_number) +
                                    " has no bracket");
    }
    const BracketGroup& b = t.brackets.front();
    return whole_value(chalkline::parse_expression(span_text(t, given, b.first, b.last)));
}

std::string answer_text(int template_number, const Given& given) {
    return expression_text(template_expression(template_number, given), {.gap = "  "});
}

} // namespace chalkline::matchthetarget
