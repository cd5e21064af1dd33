// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <compare>
#include <string>
#include <string_view>

namespace chalkline::fastmental {

// An exact number held as a whole count of quarters: 7.25 is 29, -3.5 is -14.
// Every value a chain can reach is a multiple of 0.25, so nothing ever drifts,
// however long the arithmetic.
struct Quarters {
    int count = 0;

    static constexpr Quarters whole(int n) { return Quarters{n * 4}; }
    constexpr double value() const { return count / 4.0; }
    constexpr bool is_whole() const { return count % 4 == 0; }
    // The whole number of a whole value (only meaningful when is_whole()).
    constexpr int whole_part() const { return count / 4; }
    // The fractional part r = x - floor(x), in quarters 0 to 3, also for negative values.
    constexpr int fraction() const { return ((count % 4) + 4) % 4; }

    // The value as the class sees it: "7.25", "-3.5", "12".
    std::string text() const;
    // A value read back from its text, rounded to the nearest quarter.
    static Quarters from_text(std::string_view text);

    friend constexpr auto operator<=>(Quarters, Quarters) = default;
};

enum class Operation { add = 1, subtract = 2, multiply = 3, divide = 4 };

// The number kinds, in the order of the screen's options.
enum class Kind { PositiveWholeNumbers, Integers, Decimals };

// One chain: a starting value and four steps, one of each operation. Steps are
// numbered 1 to 4 and index the arrays directly; element 0 of `operations` and
// `operands` is unused, element 0 of `values` is the starting value.
struct MentalChain {
    Kind kind = Kind::PositiveWholeNumbers;
    std::array<Operation, 5> operations{Operation::add, Operation::add, Operation::subtract,
                                        Operation::multiply, Operation::divide};
    int divide_step = 4;
    std::array<Quarters, 5> operands{};
    std::array<Quarters, 5> values{};

    Quarters answer() const { return values[4]; }
};

// Fills operations[1..4] with a random order: each code is drawn from 1 to 4 and
// drawn again until it differs from the codes of the earlier steps.
void shuffle_operations(MentalChain& chain, RandomSource& random);

// Sets divide_step to the first step whose operation is divide.
void find_divide_step(MentalChain& chain);

// A decimal between 2.25 and 20.75 that is never whole: a whole part from 2 to 20,
// then 0.25, 0.5 or 0.75.
Quarters quarter_decimal(RandomSource& random);

// The starting value of a chain of the kind: 1 to 50, -50 to 50, or a quarter decimal.
Quarters starting_value(Kind kind, RandomSource& random);

// The step routines: each draws operands[step] for the chain's kind and sets
// values[step] from values[step - 1], so that the value stays of the chain's kind.
void add_a_number(MentalChain& chain, int step, RandomSource& random);
void minus_a_number(MentalChain& chain, int step, RandomSource& random);
void times_a_number(MentalChain& chain, int step, RandomSource& random);
void divide_a_number(MentalChain& chain, int step, RandomSource& random);

// Runs the step routine of operations[step].
void run_step(MentalChain& chain, int step, RandomSource& random);

// A new chain of the kind. The order of operations is drawn once; the starting
// value and the four steps are made again, in that same order, until the divisor
// is not 1, so that the divide step always asks something of the class.
MentalChain make_problem(Kind kind, RandomSource& random);

// The result of one operation on exact values; a divide must come out in whole quarters.
Quarters apply(Operation operation, Quarters prev, Quarters operand);

} // namespace chalkline::fastmental
