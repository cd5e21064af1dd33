// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"

#include <string>

namespace chalkline::fractionsbetween {

// The kinds of pair, in the order of the screen's options: proper fractions with
// denominators up to 10 and room between them (a fraction of denominator up to the
// larger of theirs lies between); neighbours with denominators up to 10 (none does);
// two fractions between 1 and 5 with the same whole part, shown as mixed numbers.
enum class Kind { Easy, Close, Improper };

inline constexpr std::int64_t kLargestDenominator = 10;

// Two fractions in lowest terms, the smaller first.
struct Pair {
    Fraction smaller;
    Fraction larger;
    friend bool operator==(const Pair&, const Pair&) = default;
};

// A pair of the kind, picked from the kind's list of every such pair (made once, on
// first use), never the pair `previous`.
Pair make_problem(Kind kind, RandomSource& random, const Pair* previous = nullptr);

// Three fractions between the pair, in lowest terms.
struct Answers {
    Fraction halfway;  // the mean of the two
    Fraction mediant;  // (a + c) / (b + d)
    Fraction simplest; // the one of smallest denominator
};
Answers answers(const Pair& pair);

// (a + c) / (b + d) of a/b and c/d.
Fraction mediant(const Fraction& a, const Fraction& b);
// The fraction of smallest denominator strictly between two positive values, found by
// walking down the Stern-Brocot tree.
Fraction simplest_between(const Fraction& low, const Fraction& high);

// A value as the screen writes it: "3/7", or "2 1/3" as a mixed number.
std::string text(const Fraction& value);

} // namespace chalkline::fractionsbetween
