// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression.h"

#include <cctype>
#include <functional>

namespace chalkline {

struct Expression::Node {
    Kind kind = Kind::number;
    Fraction value;
    char name = 0;
    Operator op = Operator::add;
    int exponent = 0;
    bool brackets = false;
    Expression left{nullptr};
    Expression right{nullptr};
};

namespace {

constexpr const char* kDivide = "\xC3\xB7";  // U+00F7 DIVISION SIGN
constexpr const char* kSquared = "\xC2\xB2"; // U+00B2 SUPERSCRIPT TWO
constexpr const char* kCubed = "\xC2\xB3";   // U+00B3 SUPERSCRIPT THREE

const Fraction kZero;

} // namespace

const char* operator_sign(Operator op) {
    switch (op) {
    case Operator::add:
        return "+";
    case Operator::subtract:
        return "-";
    case Operator::multiply:
        return "x";
    case Operator::divide:
        return kDivide;
    }
    return "?";
}

// ---- The tree ----

Expression Expression::number(const Fraction& value) {
    auto node = std::make_shared<Node>();
    node->value = value;
    return Expression(std::move(node));
}

Expression Expression::letter(char name) {
    auto node = std::make_shared<Node>();
    node->kind = Kind::letter;
    node->name = name;
    return Expression(std::move(node));
}

Expression Expression::binary(Operator op, const Expression& left, const Expression& right) {
    auto node = std::make_shared<Node>();
    node->kind = Kind::binary;
    node->op = op;
    node->left = left;
    node->right = right;
    return Expression(std::move(node));
}

Expression Expression::power(const Expression& base, int exponent) {
    auto node = std::make_shared<Node>();
    node->kind = Kind::power;
    node->exponent = exponent;
    node->left = base;
    return Expression(std::move(node));
}

Expression Expression::bracketed() const {
    auto node = std::make_shared<Node>(*node_);
    node->brackets = true;
    return Expression(std::move(node));
}

Expression Expression::unbracketed() const {
    if (!node_->brackets) {
        return *this;
    }
    auto node = std::make_shared<Node>(*node_);
    node->brackets = false;
    return Expression(std::move(node));
}

Expression Expression::with_operands(const Expression& left, const Expression& right) const {
    auto node = std::make_shared<Node>(*node_);
    node->left = left;
    if (node->kind == Kind::binary) {
        node->right = right;
    }
    return Expression(std::move(node));
}

Expression::Kind Expression::kind() const {
    return node_->kind;
}
const Fraction& Expression::value() const {
    return node_->kind == Kind::number ? node_->value : kZero;
}
char Expression::name() const {
    return node_->name;
}
Operator Expression::op() const {
    return node_->op;
}
const Expression& Expression::left() const {
    return node_->left;
}
const Expression& Expression::right() const {
    return node_->right;
}
int Expression::exponent() const {
    return node_->exponent;
}
bool Expression::has_brackets() const {
    return node_->brackets;
}

bool operator==(const Expression& a, const Expression& b) {
    if (a.node_ == b.node_) {
        return true;
    }
    if (!a.node_ || !b.node_ || a.kind() != b.kind() || a.has_brackets() != b.has_brackets()) {
        return false;
    }
    switch (a.kind()) {
    case Expression::Kind::number:
        return a.value() == b.value();
    case Expression::Kind::letter:
        return a.name() == b.name();
    case Expression::Kind::power:
        return a.exponent() == b.exponent() && a.left() == b.left();
    case Expression::Kind::binary:
        return a.op() == b.op() && a.left() == b.left() && a.right() == b.right();
    }
    return false;
}

// ---- Writing ----

namespace {

using Kind = Expression::Kind;

// How tightly an operation holds its operands: + and - least, then x and ÷.
int strength(Operator op) {
    return op == Operator::add || op == Operator::subtract ? 1 : 2;
}

bool is_negative_number(const Expression& e) {
    return e.is_number() && e.value().is_negative();
}

// Whether the child of a binary operation, on the left or the right, must be written in
// brackets to be read back as the same tree: a weaker operation on either side, an
// equally strong one on the right ("8 - (3 - 1)", "a ÷ (2b)").
bool needs_brackets(const Expression& parent, const Expression& child, bool right) {
    if (child.kind() != Kind::binary) {
        return false;
    }
    const int outer = strength(parent.op());
    const int inner = strength(child.op());
    return inner < outer || (right && inner == outer);
}

// A power's base needs brackets unless it is a letter or a number not below 0.
bool base_needs_brackets(const Expression& base) {
    return base.kind() == Kind::binary || base.kind() == Kind::power || is_negative_number(base);
}

// Whether the child is written inside brackets, written there or needed.
bool written_in_brackets(const Expression& parent, const Expression& child, bool right) {
    if (child.has_brackets()) {
        return true;
    }
    return parent.kind() == Kind::power ? base_needs_brackets(child)
                                        : needs_brackets(parent, child, right);
}

std::string number_string(const Fraction& value) {
    if (const auto decimal = decimal_text(value)) {
        return *decimal;
    }
    return fraction_text(value);
}

class Writer {
public:
    explicit Writer(const Notation& notation) : notation_(notation) {}

    // `first` is whether nothing is written before it, so a "-" there reads as a sign.
    void write(const Expression& e, bool first) {
        if (e.has_brackets()) {
            text += '(';
            write_bare(e, true);
            text += ')';
        } else {
            write_bare(e, first);
        }
    }

    std::string text;

private:
    void write_child(const Expression& parent, const Expression& child, bool right, bool first) {
        const bool add = !child.has_brackets() && written_in_brackets(parent, child, right);
        if (add) {
            text += '(';
        }
        write(child, first || add);
        if (add) {
            text += ')';
        }
    }

    void write_bare(const Expression& e, bool first) {
        switch (e.kind()) {
        case Kind::number:
            if (e.value().is_negative() && !first) {
                text += '(' + number_string(e.value()) + ')';
            } else {
                text += number_string(e.value());
            }
            return;
        case Kind::letter:
            text += e.name();
            return;
        case Kind::power:
            write_child(e, e.left(), false, first);
            text += e.exponent() == 2   ? kSquared
                    : e.exponent() == 3 ? kCubed
                                        : "^" + std::to_string(e.exponent());
            return;
        case Kind::binary:
            write_child(e, e.left(), false, first);
            if (!juxtaposed(e)) {
                text += notation_.gap;
                text += operator_sign(e.op());
                text += notation_.gap;
            }
            write_child(e, e.right(), true, false);
            return;
        }
    }

    // Algebra writes a product without its sign where the left is a number, a letter,
    // a power or such a product, and the right a letter, a letter's power or something
    // in brackets: "2a", "ab", "2a²", "3(a + b)".
    bool juxtaposed(const Expression& e) const {
        if (!notation_.algebra || e.kind() != Kind::binary || e.op() != Operator::multiply) {
            return false;
        }
        const Expression& left = e.left();
        const bool left_fits = (left.is_number() && !left.value().is_negative()) ||
                               left.kind() == Kind::letter || left.kind() == Kind::power ||
                               left.has_brackets() || juxtaposed(left) ||
                               needs_brackets(e, left, false);
        const Expression& right = e.right();
        const bool right_fits =
            right.kind() == Kind::letter || written_in_brackets(e, right, true) ||
            (right.kind() == Kind::power && (right.left().kind() == Kind::letter ||
                                             written_in_brackets(right, right.left(), false)));
        return left_fits && right_fits;
    }

    const Notation& notation_;
};

} // namespace

std::string expression_text(const Expression& expression, const Notation& notation) {
    Writer writer(notation);
    writer.write(expression, true);
    return writer.text;
}

// ---- Reading ----

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Expression parse() {
        Expression e = sum();
        skip_spaces();
        if (at_ < text_.size()) {
            fail("unexpected text");
        }
        return e;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ParseError(what + " at " + std::to_string(at_) + " in \"" + std::string(text_) +
                         "\"");
    }

    void skip_spaces() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
    }

    // Takes the token if it comes next.
    bool take(std::string_view token) {
        skip_spaces();
        if (text_.substr(at_, token.size()) == token) {
            at_ += token.size();
            return true;
        }
        return false;
    }

    bool letter_next() {
        skip_spaces();
        return at_ < text_.size() && std::islower(static_cast<unsigned char>(text_[at_])) &&
               text_[at_] != 'x';
    }

    bool digit_next() {
        skip_spaces();
        return at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]));
    }

    Expression sum() {
        Expression e = product();
        for (;;) {
            if (take("+")) {
                e = Expression::binary(Operator::add, e, product());
            } else if (take("-")) {
                e = Expression::binary(Operator::subtract, e, product());
            } else {
                return e;
            }
        }
    }

    Expression product() {
        Expression e = unsigned_product();
        for (;;) {
            if (take("x")) {
                e = Expression::binary(Operator::multiply, e, unsigned_product());
            } else if (take(kDivide)) {
                e = Expression::binary(Operator::divide, e, unsigned_product());
            } else {
                return e;
            }
        }
    }

    // Factors written side by side: "2ab", "3(a + b)", "a²b".
    Expression unsigned_product() {
        Expression e = power();
        for (;;) {
            skip_spaces();
            if (!letter_next() && text_.substr(at_, 1) != "(") {
                return e;
            }
            e = Expression::binary(Operator::multiply, e, power());
        }
    }

    Expression power() {
        Expression e = primary();
        for (;;) {
            if (take(kSquared)) {
                e = Expression::power(e, 2);
            } else if (take(kCubed)) {
                e = Expression::power(e, 3);
            } else {
                return e;
            }
        }
    }

    Expression primary() {
        if (take("(")) {
            Expression e = sum();
            if (!take(")")) {
                fail("missing )");
            }
            return e.bracketed();
        }
        if (take("-")) {
            if (!digit_next()) {
                fail("a number must follow a minus sign");
            }
            return Expression::number(-number());
        }
        if (digit_next()) {
            return Expression::number(number());
        }
        if (letter_next()) {
            return Expression::letter(text_[at_++]);
        }
        fail("expected a number, a letter or (");
    }

    Fraction number() {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.')) {
            ++at_;
        }
        const std::string digits(text_.substr(start, at_ - start));
        const auto value = digits.back() == '.' ? std::nullopt : parse_fraction(digits);
        if (!value) {
            fail("not a number");
        }
        return *value;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

Expression parse_expression(std::string_view text) {
    return Parser(text).parse();
}

// ---- Working out ----

namespace {

Fraction apply(Operator op, const Fraction& a, const Fraction& b) {
    switch (op) {
    case Operator::add:
        return a + b;
    case Operator::subtract:
        return a - b;
    case Operator::multiply:
        return a * b;
    case Operator::divide:
        return a / b;
    }
    return a;
}

// One operation on values, reported as an EvaluationError when it cannot be exact.
Fraction checked(const std::function<Fraction()>& operation, Steps steps) {
    Fraction result;
    try {
        result = operation();
    } catch (const FractionError& e) {
        throw EvaluationError(e.what());
    }
    if (steps == Steps::whole && !result.is_whole()) {
        throw EvaluationError("a step is not a whole number: " + fraction_text(result));
    }
    return result;
}

Fraction value_of(const Expression& e, const LetterValues& values, Steps steps) {
    switch (e.kind()) {
    case Kind::number:
        return e.value();
    case Kind::letter: {
        const auto found = values.find(e.name());
        if (found == values.end()) {
            throw EvaluationError(std::string("no value for ") + e.name());
        }
        return found->second;
    }
    case Kind::power: {
        const Fraction base = value_of(e.left(), values, steps);
        return checked([&] { return chalkline::power(base, e.exponent()); }, steps);
    }
    case Kind::binary: {
        const Fraction a = value_of(e.left(), values, steps);
        const Fraction b = value_of(e.right(), values, steps);
        return checked([&] { return apply(e.op(), a, b); }, steps);
    }
    }
    return {};
}

// The operation itself, on operands that are numbers.
Expression done(const Expression& e) {
    return Expression::number(value_of(e, {}, Steps::exact));
}

using Rule = std::function<bool(const Expression&)>;

// Does the leftmost operation the rule picks whose operands are already numbers.
std::optional<Expression> do_first(const Expression& e, const Rule& rule) {
    if (e.kind() != Kind::binary && e.kind() != Kind::power) {
        return std::nullopt;
    }
    if (auto left = do_first(e.left(), rule)) {
        return e.with_operands(*left, e.right());
    }
    const bool ready = e.left().is_number() && (e.kind() == Kind::power || e.right().is_number());
    if (ready && rule(e)) {
        return done(e);
    }
    if (e.kind() == Kind::binary) {
        if (auto right = do_first(e.right(), rule)) {
            return e.with_operands(e.left(), *right);
        }
    }
    return std::nullopt;
}

Expression step(const Expression& e);

// Inside the leftmost bracket that still holds an operation, one step by the same rules;
// a bracket round a single number is dropped.
std::optional<Expression> step_in_brackets(const Expression& e) {
    if (e.kind() != Kind::binary && e.kind() != Kind::power) {
        return std::nullopt;
    }
    const auto inside = [&](const Expression& child, bool right) -> std::optional<Expression> {
        if (!child.is_number() && written_in_brackets(e, child, right)) {
            return step(child);
        }
        return step_in_brackets(child);
    };
    if (auto left = inside(e.left(), false)) {
        return e.with_operands(*left, e.right());
    }
    if (e.kind() == Kind::binary) {
        if (auto right = inside(e.right(), true)) {
            return e.with_operands(e.left(), *right);
        }
    }
    return std::nullopt;
}

Expression step(const Expression& e) {
    if (e.has_brackets()) {
        const Expression inner = step(e.unbracketed());
        return inner.is_number() ? inner : inner.bracketed();
    }
    if (auto next = step_in_brackets(e)) {
        return *next;
    }
    const Rule rules[] = {
        [](const Expression& x) { return x.kind() == Kind::power; },
        [](const Expression& x) { return strength(x.op()) == 2; },
        [](const Expression&) { return true; },
    };
    for (const Rule& rule : rules) {
        if (auto next = do_first(e, rule)) {
            return *next;
        }
    }
    throw EvaluationError("a letter has no value");
}

// The numbers, operators and powers in the order written, brackets left out.
struct Token {
    Fraction number;
    Operator op = Operator::add;
    int exponent = 0; // a power when above 0
};

void flatten(const Expression& e, std::vector<Token>& tokens) {
    switch (e.kind()) {
    case Kind::number:
        tokens.push_back({e.value()});
        return;
    case Kind::letter:
        throw EvaluationError(std::string("no value for ") + e.name());
    case Kind::power:
        flatten(e.left(), tokens);
        tokens.push_back({0, Operator::add, e.exponent()});
        return;
    case Kind::binary:
        flatten(e.left(), tokens);
        tokens.push_back({0, e.op(), -1});
        flatten(e.right(), tokens);
        return;
    }
}

} // namespace

Fraction evaluate(const Expression& expression, const LetterValues& values, Steps steps) {
    return value_of(expression, values, steps);
}

std::vector<Expression> working(const Expression& expression) {
    std::vector<Expression> lines;
    Expression now = expression;
    while (!now.is_number()) {
        try {
            now = step(now);
        } catch (const FractionError& e) {
            throw EvaluationError(e.what());
        }
        lines.push_back(now);
    }
    return lines;
}

std::optional<Fraction> left_to_right_value(const Expression& expression) {
    std::vector<Token> tokens;
    flatten(expression, tokens);
    try {
        Fraction total = tokens.front().number;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i].exponent > 0) {
                total = power(total, tokens[i].exponent);
            } else {
                total = apply(tokens[i].op, total, tokens[i + 1].number);
                ++i;
            }
        }
        return total;
    } catch (const FractionError&) {
        return std::nullopt;
    }
}

int operation_count(const Expression& expression) {
    switch (expression.kind()) {
    case Kind::binary:
        return 1 + operation_count(expression.left()) + operation_count(expression.right());
    case Kind::power:
        return 1 + operation_count(expression.left());
    default:
        return 0;
    }
}

std::vector<Fraction> numbers_in(const Expression& expression) {
    std::vector<Fraction> numbers;
    const std::function<void(const Expression&)> visit = [&](const Expression& e) {
        if (e.is_number()) {
            numbers.push_back(e.value());
        } else if (e.kind() != Kind::letter) {
            visit(e.left());
            if (e.kind() == Kind::binary) {
                visit(e.right());
            }
        }
    };
    visit(expression);
    return numbers;
}

} // namespace chalkline
