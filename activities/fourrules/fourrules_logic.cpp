// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourrules_logic.h"

#include "highest_common_factor.h"
#include "number_text.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace chalkline::fourrules {
namespace {

// Divides a fraction by the highest common factor of its two parts. The factor is
// found on working copies, so the exchange inside highest_common_factor never
// swaps the numerator and denominator themselves.
Fraction reduced(int numerator, int denominator) {
    auto x = static_cast<std::int16_t>(numerator);
    auto y = static_cast<std::int16_t>(denominator);
    const int g = highest_common_factor(x, y);
    if (g == 0) {
        return {numerator, denominator};
    }
    return {numerator / g, denominator / g};
}

std::optional<MixedNumber> mixed_form(const Fraction& f) {
    if (f.numerator <= f.denominator) {
        return std::nullopt;
    }
    const int whole = f.numerator / f.denominator;
    return MixedNumber{whole, f.numerator - whole * f.denominator, f.denominator};
}

FourRulesProblem draw_whole_numbers(RandomSource& random) {
    FourRulesProblem problem{.kind = Kind::PositiveWholeNumbers};
    do {
        problem.first = random.draw(1, 35);
        problem.second = random.draw(1, 35);
    } while (problem.first < problem.second);
    return problem;
}

bool integers_accepted(int first, int second) {
    if (std::abs(first) < std::abs(second) || second == 0) {
        return false;
    }
    return !(first > 0 && second > 0);
}

FourRulesProblem draw_integers(RandomSource& random) {
    FourRulesProblem problem{.kind = Kind::Integers};
    do {
        problem.first = random.draw(-20, 20);
        problem.second = random.draw(-20, 20);
    } while (!integers_accepted(problem.first, problem.second));
    return problem;
}

// The five rules on the fractions as drawn, all in whole numbers: both proper, the
// first strictly larger, and neither their sum nor their quotient whole.
bool fractions_accepted(int num1, int den1, int num2, int den2) {
    if (num1 >= den1 || num2 >= den2) {
        return false;
    }
    if (num1 * den2 <= num2 * den1) {
        return false;
    }
    if ((num1 * den2 + den1 * num2) % (den1 * den2) == 0) {
        return false;
    }
    return (num1 * den2) % (den1 * num2) != 0;
}

FourRulesProblem draw_fractions(RandomSource& random) {
    FourRulesProblem problem{.kind = Kind::ProperFractions};
    do {
        problem.num1 = random.draw(1, 11);
        problem.den1 = random.draw(1, 12);
        problem.num2 = random.draw(1, 11);
        problem.den2 = random.draw(1, 12);
    } while (!fractions_accepted(problem.num1, problem.den1, problem.num2, problem.den2));
    const Fraction first = reduced(problem.num1, problem.den1);
    const Fraction second = reduced(problem.num2, problem.den2);
    problem.num1 = first.numerator;
    problem.den1 = first.denominator;
    problem.num2 = second.numerator;
    problem.den2 = second.denominator;
    return problem;
}

} // namespace

FourRulesProblem make_problem(Kind kind, RandomSource& random) {
    if (kind != Kind::PositiveWholeNumbers && kind != Kind::Integers &&
        kind != Kind::ProperFractions) {
        throw std::invalid_argument("unknown number kind " + std::to_string(int(kind)));
    }
    random.reseed();
    switch (kind) {
    case Kind::PositiveWholeNumbers:
        return draw_whole_numbers(random);
    case Kind::Integers:
        return draw_integers(random);
    default:
        return draw_fractions(random);
    }
}

std::string quotient_text(int first, int second) {
    const float quotient = static_cast<float>(first) / static_cast<float>(second);
    // Seven significant digits of the 32-bit value, then the plain form of the result.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, double(quotient),
                                       std::chars_format::scientific, 6);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return number_text(rounded);
}

FourRulesAnswers work_out_answers(const FourRulesProblem& problem) {
    FourRulesAnswers answers;
    if (problem.kind != Kind::ProperFractions) {
        const int a = problem.first;
        const int b = problem.second;
        answers.texts = {"The sum is " + number_text(a + b),
                         "The difference is " + number_text(a - b),
                         "The product is " + number_text(double(a) * b),
                         "The quotient is " + quotient_text(a, b)};
        return answers;
    }
    answers.texts = {"The sum is", "The difference is", "The product is", "The quotient is"};
    const int n1 = problem.num1;
    const int d1 = problem.den1;
    const int n2 = problem.num2;
    const int d2 = problem.den2;
    answers.sum = reduced(n1 * d2 + d1 * n2, d1 * d2);
    answers.difference = reduced(n1 * d2 - d1 * n2, d1 * d2);
    answers.product = reduced(n1 * n2, d1 * d2);
    answers.quotient = reduced(n1 * d2, d1 * n2);
    answers.sum_mixed = mixed_form(answers.sum);
    answers.quotient_mixed = mixed_form(answers.quotient);
    return answers;
}

} // namespace chalkline::fourrules
