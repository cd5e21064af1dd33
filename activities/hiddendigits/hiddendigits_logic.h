// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <optional>
#include <string>

namespace chalkline::hiddendigits {

// The kinds of calculation, in the order of the screen's options.
enum class Kind { Addition, Subtraction, Multiplication };

// The rows of a written calculation, top to bottom: the two numbers worked on and the
// answer under the line.
inline constexpr int kRows = 3;
inline constexpr int kAnswerRow = 2;
// No row is longer than this.
inline constexpr int kMostDigits = 4;

// A written calculation "first sign second = answer" with some digits hidden. Each row
// is a pattern of its number's digits, left to right, with '?' for a hidden digit:
// {"4?7", "?85", "74?"} for 457 + 285 = 742.
struct HiddenDigitsProblem {
    Kind kind = Kind::Addition;
    std::array<int, kRows> numbers{};
    std::array<std::string, kRows> patterns;
    friend bool operator==(const HiddenDigitsProblem&, const HiddenDigitsProblem&) = default;
};

// "+", "-" or "x".
std::string sign_of(Kind kind);

// The number of ways, up to `limit`, to write a digit in every '?' of the patterns so that
// the calculation is right, no number of two or more digits starting with 0.
int count_completions(Kind kind, const std::array<std::string, kRows>& patterns, int limit);

// Makes a new problem of the kind whose hidden digits have exactly one
// completion and that differs from `previous`. Any other kind throws
// std::invalid_argument.
//
// Bounded: the numbers are drawn in their ranges at once; a set of hidden places is drawn
// at most kMaskTries times, each checked in at most a thousand steps, and when none has a
// single completion the answer's last three digits are hidden, which the numbers above
// the line always fix. A problem equal to the one before is drawn again at most
// kProblemTries times, and then one of two fixed problems of the kind is taken.
HiddenDigitsProblem make_problem(Kind kind, RandomSource& random,
                                 const std::optional<HiddenDigitsProblem>& previous = {});

// "4?7 + ?85 = 74?" and "457 + 285 = 742".
std::string problem_text(const HiddenDigitsProblem& problem);
std::string answer_text(const HiddenDigitsProblem& problem);

} // namespace chalkline::hiddendigits
