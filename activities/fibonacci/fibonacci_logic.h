// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace chalkline::fibonacci {

// Ten terms of a sequence in which each term is the sum of the two before it.
constexpr int kTermCount = 10;
// The "Fibonacci" kind shows ten consecutive terms of 1, 1, 2, 3, 5, ... ending at
// the 30th term (832040) at the latest.
constexpr int kLastFibonacciTerm = 30;

// The kinds the screen's options offer, in the order of the options: the Fibonacci
// numbers themselves, two whole starting numbers from 1 to 20, or two starting numbers
// from -20 to 20.
enum class Kind { Fibonacci, AnyStart, Integers };

using Terms = std::array<std::int64_t, kTermCount>;
// Which terms are hidden.
using Pattern = std::array<bool, kTermCount>;
// The terms as the class sees them: a value, or nothing where it is hidden.
using Shown = std::array<std::optional<std::int64_t>, kTermCount>;

struct Problem {
    Kind kind = Kind::Fibonacci;
    Terms terms{};
    Pattern hidden{};
    friend bool operator==(const Problem&, const Problem&) = default;
};

// One hidden term worked out from two known terms of a run of three consecutive terms:
// the value is term `left` + term `right`, or term `left` - term `right`.
struct Step {
    int position = 0;
    int left = 0;
    int right = 0;
    bool subtraction = false;
    std::int64_t value = 0;
};

// The nth term of 1, 1, 2, 3, 5, ... (n from 1 to 92, the last that fits 64 bits).
std::int64_t fibonacci_number(int n);

// The ten terms from two starting terms; throws std::overflow_error past 64 bits.
Terms terms_from(std::int64_t first, std::int64_t second);

Shown shown_terms(const Problem& problem);

// Works out the hidden terms one at a time, each from the other two terms of a run of
// three consecutive terms (the sum of the two before it, or a difference of the terms
// around or after it), always the leftmost term that can be worked out next, by
// adding where it can. Each step is forced by the rule, so a problem that works out
// has one answer only. Nothing when some hidden term is never reached this way.
std::optional<std::vector<Step>> work_out(const Shown& shown);

// The patterns of hidden terms a problem may use: 3 to 6 hidden, all workable step by
// step, with the first or the second term among them, so that some term needs
// working backwards. Enumerated once, on first use.
const std::vector<Pattern>& hidden_patterns();

// A new problem of the kind, never the same as `previous`. Built constructively: the
// starting terms are drawn in their ranges (the Integers kind, which needs a negative
// start, draws a bounded number of times and then negates one), the pattern is picked
// from the precomputed list, and a repeat of the previous problem is drawn again a few
// times and then mended by taking the next pattern of the list.
Problem make_problem(Kind kind, RandomSource& random, const Problem* previous = nullptr);

// "?, ?, 7, 11, ?, 29, ?, ?, ?, ?"
std::string shown_text(const Problem& problem);
// "3, 4, 7, 11, 18, 29, 47, 76, 123, 199"
std::string terms_text(const Terms& terms);
// The working of a step, "11 - 7 = 4" or "7 + (-3) = 4".
std::string step_text(const Step& step, const Terms& terms);

} // namespace chalkline::fibonacci
