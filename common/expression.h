// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace chalkline {

// The four operations between two values.
enum class Operator { add, subtract, multiply, divide };

// The sign the class sees for an operator: "+", "-", "x" or "÷" (UTF-8).
const char* operator_sign(Operator op);

// Raised when an expression cannot be worked out exactly: a division by zero, a value
// beyond 64-bit fractions, a letter without a value, or (where whole steps are asked
// for) a step that is not a whole number. A wrong value is never shown instead.
class EvaluationError : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

// Raised for a text that is not an expression in the screens' notation.
class ParseError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// An expression as the class writes it: numbers, letters standing for numbers, the four
// operations, brackets and the powers ² and ³. Held as a tree that is never changed
// once made, so copies are cheap and share their parts.
//
// Brackets are kept where the writer put them, even where they change nothing
// ("(2 x 3) + 4"); where the tree needs brackets to be read back the same, the writing
// adds them.
class Expression {
public:
    enum class Kind { number, letter, binary, power };

    static Expression number(const Fraction& value);
    static Expression letter(char name);
    static Expression binary(Operator op, const Expression& left, const Expression& right);
    static Expression power(const Expression& base, int exponent);
    // The same expression with brackets written round it, and without them.
    Expression bracketed() const;
    Expression unbracketed() const;
    // The same operation, brackets included, on other operands (a power's base is left).
    Expression with_operands(const Expression& left, const Expression& right) const;

    Kind kind() const;
    bool is_number() const { return kind() == Kind::number; }
    // What a number holds; 0 for any other kind.
    const Fraction& value() const;
    // A letter's name.
    char name() const;
    // A binary operation's operator, and its operands; a power's base is left().
    Operator op() const;
    const Expression& left() const;
    const Expression& right() const;
    int exponent() const;
    // Whether brackets were written round it.
    bool has_brackets() const;

    // The same tree, brackets included.
    friend bool operator==(const Expression& a, const Expression& b);

private:
    struct Node;
    explicit Expression(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

// How an expression is written.
struct Notation {
    // What stands either side of a binary operator's sign.
    std::string gap = " ";
    // Algebra's way of writing a product: "2a", "ab", "3(a + b)", "2a²"; a product with
    // a number on its right keeps its sign ("a x 3").
    bool algebra = false;
};

// The expression written in the screens' notation: "3 + 4 x 5 - 6 ÷ 2", "(a + b)²",
// "2a - c". Numbers are written as number_text writes them ("0.5", "-3"); a fraction
// whose decimal does not end is written "8/3" (not read back by parse_expression). A
// negative number other than the first is bracketed: "5 x (-2)".
std::string expression_text(const Expression& expression, const Notation& notation = {});

// Reads an expression in the screens' notation: whole numbers and decimals, single
// letters (not "x", which is always the times sign), + - x ÷ with spaces or without,
// brackets, ² and ³, and a "-" before a number for a negative number. A product written
// without its sign ("2a", "3(a + b)") binds tighter than x and ÷, so "a ÷ 2b" is
// a ÷ (2b). Operators of the same strength are taken from left to right.
Expression parse_expression(std::string_view text);

// The values of letters.
using LetterValues = std::map<char, Fraction>;

// Whether every step of a working must come out whole (a puzzle of whole numbers, where
// 7 ÷ 2 x 2 is refused though it ends whole) or may be any fraction.
enum class Steps { exact, whole };

// The exact value, with brackets first, then powers, then x and ÷, then + and -, each
// strength from left to right.
Fraction evaluate(const Expression& expression, const LetterValues& values = {},
                  Steps steps = Steps::exact);

// The working of an expression of numbers, one operation per line in the order a pupil
// works: the leftmost bracket first (inside it by the same rules), then powers, then x
// and ÷ from left to right, then + and - from left to right. Each entry is the whole
// expression after one more operation; the last is its value. A number alone has no
// working.
std::vector<Expression> working(const Expression& expression);

// The value found by doing every operation in the order written, ignoring brackets and
// which operations come first (a power works on everything before it): the mistake the
// order of operations is there to prevent. Nothing when that divides by zero.
std::optional<Fraction> left_to_right_value(const Expression& expression);

// How many operations it has: each of + - x ÷ and each power; so the lines of its working.
int operation_count(const Expression& expression);

// The numbers an expression is written with, in the order written.
std::vector<Fraction> numbers_in(const Expression& expression);

} // namespace chalkline
