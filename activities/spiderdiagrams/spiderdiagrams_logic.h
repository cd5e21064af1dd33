// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"

#include <array>
#include <optional>
#include <string>

namespace chalkline::spiderdiagrams {

// The kinds of numbers, in the order of the screen's options.
enum class Kind { PositiveWholeNumbers, Integers, Decimals };

inline constexpr int kLegs = 8;

// What a leg does to the centre: add, subtract, multiply by or divide by its number,
// square, or halve.
enum class Operator { Add, Subtract, Multiply, Divide, Square, Half };

struct Operation {
    Operator op = Operator::Add;
    Fraction number;
    friend bool operator==(const Operation&, const Operation&) = default;
};

// A number at the centre and eight operations at the ends of the legs, clockwise from
// the top.
struct SpiderProblem {
    Kind kind = Kind::PositiveWholeNumbers;
    Fraction centre;
    std::array<Operation, kLegs> legs;
    friend bool operator==(const SpiderProblem&, const SpiderProblem&) = default;
};

// The operation done to a value, exactly.
Fraction apply(const Operation& operation, const Fraction& value);

// The operation as written at the end of a leg: "x 3", "+ 17", "÷ 4", "- 25", "x -3", "²".
// Halving is written "÷ 2"; the screen names it in words.
std::string operation_text(const Operation& operation);

// A centre or an answer as the class writes it: "36", "-13", "0.45".
std::string value_text(const Fraction& value);

// Makes a new problem of the kind with eight different operations, each
// answer exact and of the kind, unlike `previous`. Any other value throws
// std::invalid_argument.
//
// Built constructively: the divisor is drawn first and the centre as a multiple of it,
// so every division goes; every other number is drawn in a range that keeps its answer
// of the kind. A problem equal to the one before is drawn again at most kProblemTries
// times; then its legs are turned one place round, which always differs since the eight
// operations are different.
SpiderProblem make_problem(Kind kind, RandomSource& random,
                           const std::optional<SpiderProblem>& previous = {});

} // namespace chalkline::spiderdiagrams
