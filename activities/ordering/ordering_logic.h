// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <string>

namespace chalkline::ordering {

constexpr int kCount = 5;

using Texts = std::array<std::string, kCount>;

// The kinds of number the screen's options offer, in the order of the options.
enum class Kind { PositiveWholeNumbers, Integers, Decimals };

// Five numbers to put in order and the five answer places they go into.
struct OrderingBoard {
    Texts numbers;                   // as shown, in the order drawn
    std::array<bool, kCount> used{}; // placed numbers, shown disabled
    Texts places;                    // place 0 is beside "Smallest"; "" is empty
};

// A board with a new set of five different numbers of the kind, every place empty and
// every number available.
OrderingBoard make_problem(Kind kind, RandomSource& random);

// 1 if any two of the numbers are equal as numbers, else 0.
int check_order(const Texts& numbers);

// Puts number `index` into the first empty place and marks it used. Returns the place
// it went into, or -1 when every place is already filled (nothing changes then).
int place_number(OrderingBoard& board, int index);

// Takes back the last filled place and makes its number available again. Returns the
// index of that number, or -1 when the board was empty.
int undo_last(OrderingBoard& board);

// Whether the last place, beside "Biggest", holds a number.
bool board_full(const OrderingBoard& board);

// Whether all five places hold numbers in strictly increasing order.
bool order_correct(const Texts& places);

// The numbers sorted from smallest to biggest.
Texts sorted_solution(const Texts& numbers);

} // namespace chalkline::ordering
