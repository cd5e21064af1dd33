// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <optional>
#include <string>

namespace chalkline::fourrules {

// The kinds of numbers the Four Rules draws, in the order of the screen's options.
enum class Kind { PositiveWholeNumbers, Integers, ProperFractions };

// Two whole numbers (the first two kinds) or two proper fractions in lowest terms. The
// fields of the other layout stay 0.
struct FourRulesProblem {
    Kind kind = Kind::PositiveWholeNumbers;
    int first = 0;
    int second = 0;
    int num1 = 0;
    int den1 = 0;
    int num2 = 0;
    int den2 = 0;
};

struct Fraction {
    int numerator = 0;
    int denominator = 1;
};

// An improper fraction written as a whole part and a proper remainder over the denominator.
struct MixedNumber {
    int whole = 0;
    int remainder = 0;
    int denominator = 1;
};

// What Solution shows, worked out afresh from a problem each time it is asked for.
// texts holds one line per operation (sum, difference, product, quotient): for whole
// numbers the line with its result ("The sum is 19"), for fractions the caption that
// stands beside the fraction ("The sum is"). The fractions are filled for fractions only.
struct FourRulesAnswers {
    std::array<std::string, 4> texts;
    Fraction sum;
    Fraction difference;
    Fraction product;
    Fraction quotient;
    std::optional<MixedNumber> sum_mixed;
    std::optional<MixedNumber> quotient_mixed;
};

// Makes a new problem of the given kind: reseeds the source once, then draws until the
// kind's rules are met. Any other value throws std::invalid_argument.
FourRulesProblem make_problem(Kind kind, RandomSource& random);

// The four results of a problem.
FourRulesAnswers work_out_answers(const FourRulesProblem& problem);

// Text of first / second worked in 32-bit floating point and rounded to at most seven
// significant digits ("11.66667", "-5", "3.5").
std::string quotient_text(int first, int second);

} // namespace chalkline::fourrules
