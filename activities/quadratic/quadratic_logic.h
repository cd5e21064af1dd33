// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <span>
#include <string>

namespace chalkline::quadratic {

// The kinds of quadratic, in the order of the screen's options.
enum class Kind {
    Positive,      // (x + p)(x + q), p and q from 1 to 12
    WithNegatives, // p and q from -12 to 12, not 0, one at least negative
    Leading,       // (ax + p)(x + q), a from 2 to 6
};

// One term of a polynomial in x: the coefficient times x to the power (0, 1 or 2).
struct Term {
    int coefficient = 0;
    int power = 0;
};

// Writes the terms in the order given, as a class writes them: "x² - 4x + 3x - 12",
// "5x - 2", "-x²". A term with coefficient 0 is left out, a coefficient 1 or -1 before x
// is written as the sign alone, and the sign of every term after the first stands
// between spaces ("+ -" never appears). No terms, or only zeros, write "0".
std::string terms_text(std::span<const Term> terms);

// The quadratic (ax + p)(x + q) = ax² + bx + c. For a = 1 the factors are kept in the
// order they are written: the constant of smaller size first, the positive one first
// when the sizes are equal, so that one quadratic has one problem.
struct QuadraticProblem {
    Kind kind = Kind::Positive;
    int a = 1;
    int p = 1;
    int q = 1;

    int b() const { return a * q + p; }
    int c() const { return p * q; }
    friend bool operator==(const QuadraticProblem&, const QuadraticProblem&) = default;
};

// A new quadratic of the kind (another value throws std::invalid_argument), never the
// one before it. Drawn afresh while it equals the previous one, at most 32 times, then
// one of two fixed quadratics of the kind that differs from it.
QuadraticProblem make_problem(Kind kind, RandomSource& random,
                              const QuadraticProblem* previous = nullptr);

// "x² - x - 12"
std::string quadratic_text(const QuadraticProblem& problem);
// "(x + 3)(x - 4)", "(2x - 3)(x + 5)", a square as "(x - 5)²".
std::string factors_text(const QuadraticProblem& problem);
// The four products of multiplying the factors out, before they are collected:
// "x² - 4x + 3x - 12".
std::string expansion_text(const QuadraticProblem& problem);

} // namespace chalkline::quadratic
