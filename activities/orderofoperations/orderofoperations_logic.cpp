// SPDX-License-Identifier: GPL-3.0-or-later
#include "orderofoperations_logic.h"

#include <functional>
#include <string>

namespace chalkline::orderofoperations {

namespace {

using Kind_ = Expression::Kind;

Expression num(int n) {
    return Expression::number(n);
}

int whole(const Expression& e) {
    return int(evaluate(e).numerator());
}

// Builds an expression as a pupil reads it: terms joined by + and -, each term factors
// joined by x and ÷. Every division is made exact by choosing the divisor among the
// divisors of what stands before it, and no subtraction goes below 0, so most drafts
// already fit; the rest of the rules are checked afterwards.
class Draft {
public:
    Draft(Kind kind, RandomSource& random) : kind_(kind), random_(random) {}

    Expression build() {
        int numbers = random_.draw(kFewestNumbers, kind_ == Kind::powers ? 5 : kMostNumbers);
        Expression sum = term(random_.draw(1, std::min(3, numbers - 1)));
        numbers -= used_;
        int total = whole(sum);
        while (numbers > 0) {
            const Expression next = term(random_.draw(1, std::min(3, numbers)));
            numbers -= used_;
            const int value = whole(next);
            const bool minus = value <= total && random_.draw(0, 1) == 1;
            sum = Expression::binary(minus ? Operator::subtract : Operator::add, sum, next);
            total += minus ? -value : value;
        }
        return sum;
    }

private:
    // A term of about `size` numbers (a bracket takes two of them).
    Expression term(int size) {
        used_ = 0;
        Expression product = *factor(size, nullptr);
        while (used_ < size) {
            const int value = whole(product);
            if (random_.draw(0, 1) == 1) {
                if (auto divisor = factor(size - used_, &value)) {
                    product = Expression::binary(Operator::divide, product, *divisor);
                    continue;
                }
            }
            product =
                Expression::binary(Operator::multiply, product, *factor(size - used_, nullptr));
        }
        return product;
    }

    // A number, a bracket of two numbers (brackets and powers) or a power (powers), at
    // most `room` numbers long; with a dividend, one whose value divides it exactly and
    // is neither 1 nor the dividend (nothing when none does).
    std::optional<Expression> factor(int room, const int* dividend) {
        const auto divides = [dividend](const Expression& e) {
            const int v = whole(e);
            return !dividend || (v >= 2 && v < *dividend && *dividend % v == 0);
        };
        std::vector<Expression> choices;
        if (dividend) {
            for (int d = 2; d <= kBiggestNumber; ++d) {
                if (divides(num(d))) {
                    choices.push_back(num(d));
                }
            }
        } else {
            choices.push_back(num(random_.draw(1, kBiggestNumber)));
        }
        if (kind_ != Kind::four_rules && room >= 2 && random_.draw(0, 2) == 0) {
            const Expression group = group_of_two().bracketed();
            if (divides(group)) {
                choices.assign(1, group);
            }
        }
        if (kind_ == Kind::powers && random_.draw(0, 2) == 0) {
            const bool cube = random_.draw(0, 3) == 0;
            const Expression p =
                Expression::power(num(random_.draw(2, cube ? 5 : 10)), cube ? 3 : 2);
            if (divides(p)) {
                choices.assign(1, p);
            }
        }
        if (choices.empty()) {
            return std::nullopt;
        }
        const Expression chosen = choices[std::size_t(random_.draw(0, int(choices.size()) - 1))];
        used_ += int(numbers_in(chosen).size());
        return chosen;
    }

    // A sum or a difference of two numbers, above 0.
    Expression group_of_two() {
        if (random_.draw(0, 1) == 0) {
            return Expression::binary(Operator::add, num(random_.draw(1, 12)),
                                      num(random_.draw(1, 9)));
        }
        const int a = random_.draw(2, kBiggestNumber);
        return Expression::binary(Operator::subtract, num(a), num(random_.draw(1, a - 1)));
    }

    Kind kind_;
    RandomSource& random_;
    // The numbers the term being built has taken so far.
    int used_ = 0;
};

// One fixed expression per kind and a second for when the first was the one before:
// what Go shows if no draft fits within the tries.
const char* const kFallbacks[3][2] = {
    {"3 + 4 x 5 - 6 \xC3\xB7 2", "20 - 12 \xC3\xB7 4 x 3 + 2"},
    {"2 x (3 + 4) - 10 \xC3\xB7 5", "18 - (2 + 4) x 2 + 1"},
    {"2 + 3\xC2\xB2 x (8 - 6)", "40 - 2\xC2\xB3 x 3 + 5"},
};

bool has_brackets(const Expression& e) {
    if (e.has_brackets()) {
        return true;
    }
    return e.kind() == Kind_::binary  ? has_brackets(e.left()) || has_brackets(e.right())
           : e.kind() == Kind_::power ? has_brackets(e.left())
                                      : false;
}

// Every operation's value whole and from 0 to kBiggestValue, every power of a base from
// 2 to 10 (to 5 when cubed), and whether a power occurs.
bool steps_fit(const Expression& e, bool& power) {
    if (e.is_number()) {
        return true;
    }
    if (e.kind() == Kind_::letter) {
        return false;
    }
    if (e.kind() == Kind_::power) {
        power = true;
        const Fraction base = e.left().value();
        if (!e.left().is_number() || base < 2 || base > (e.exponent() == 3 ? 5 : 10)) {
            return false;
        }
    }
    Fraction value;
    try {
        value = evaluate(e);
    } catch (const EvaluationError&) {
        return false;
    }
    if (!value.is_whole() || value < 0 || value > kBiggestValue) {
        return false;
    }
    return steps_fit(e.left(), power) && (e.kind() != Kind_::binary || steps_fit(e.right(), power));
}

// Whether the expression has the same value written without any of its brackets: then
// they teach nothing.
bool brackets_change_nothing(const Expression& e) {
    std::string text = expression_text(e);
    std::erase(text, '(');
    std::erase(text, ')');
    try {
        return evaluate(parse_expression(text)) == evaluate(e);
    } catch (const EvaluationError&) {
        return false;
    }
}

} // namespace

bool fits(const Expression& expression, Kind kind) {
    const std::vector<Fraction> numbers = numbers_in(expression);
    if (int(numbers.size()) < kFewestNumbers || int(numbers.size()) > kMostNumbers) {
        return false;
    }
    for (const Fraction& n : numbers) {
        if (!n.is_whole() || n < 1 || n > kBiggestNumber) {
            return false;
        }
    }
    bool power = false;
    if (!steps_fit(expression, power) || operation_count(expression) > kMostOperations) {
        return false;
    }
    const bool brackets = has_brackets(expression);
    if (brackets && brackets_change_nothing(expression)) {
        return false;
    }
    const bool kind_shown = kind == Kind::four_rules ? !brackets && !power
                            : kind == Kind::brackets ? brackets && !power
                                                     : power;
    return kind_shown && left_to_right_value(expression) != evaluate(expression);
}

Problem make_problem(Kind kind, RandomSource& random, const Expression* previous) {
    random.reseed();
    const auto is_new = [previous](const Expression& e) {
        return !previous || expression_text(e) != expression_text(*previous);
    };
    // A bounded number of drafts; the fixed expressions of the kind if none fits.
    std::optional<Expression> question;
    for (int tries = 0; tries < 200 && !question; ++tries) {
        const Expression draft = Draft(kind, random).build();
        if (fits(draft, kind) && is_new(draft)) {
            question = draft;
        }
    }
    if (!question) {
        const auto& fallbacks = kFallbacks[static_cast<int>(kind)];
        question = parse_expression(fallbacks[0]);
        if (!is_new(*question)) {
            question = parse_expression(fallbacks[1]);
        }
    }
    return {kind, *question, working(*question)};
}

} // namespace chalkline::orderofoperations
