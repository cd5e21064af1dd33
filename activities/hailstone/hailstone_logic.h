// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chalkline::hailstone {

// The kinds the screen's options offer, in the order of the options: the largest start
// each allows.
enum class Kind { UpTo30, UpTo100, UpTo1000 };
int largest_start(Kind kind);

// The term after n: half of an even n, 3n + 1 for an odd one. Throws
// std::overflow_error past 64 bits and std::invalid_argument below 1.
std::int64_t next_term(std::int64_t n);

// Every term from the start down to the first 1, how many steps that takes and the
// highest term on the way.
struct Sequence {
    std::vector<std::int64_t> terms;
    int steps = 0;
    std::int64_t highest = 0;
};

// Longest run worked before giving up: far above the 178 steps of the longest
// sequence from a start up to 1000 (871), so a run always ends in bounded time.
constexpr int kMostSteps = 10000;

// The sequence from a start of 1 or more; throws std::length_error past kMostSteps.
Sequence hailstone_sequence(std::int64_t start);

// A start from 1 to the kind's largest, never `previous`: drawn a few times, then
// mended to the next start up (bounded; every kind has at least two starts).
int make_problem(Kind kind, RandomSource& random, int previous = 0);

// "27, 82, 41, 124, ..., 2, 1": every term.
std::string terms_text(const Sequence& sequence);

} // namespace chalkline::hailstone
