// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"

#include <array>
#include <string>
#include <vector>

namespace chalkline::pandigital {

// The kinds of problem, in the order of the screen's options: a unit fraction from 1/2
// to 1/9; another fraction with denominator up to 30 that has two pandigital forms at
// least (24 of them); a unit fraction with three of the nine digits placed.
enum class Kind { UnitFractions, AnyFraction, WithClues };

inline constexpr int kDigits = 9;
inline constexpr int kTopDigits = 4;
inline constexpr int kClues = 3;

// A pandigital form: the four digits over the bar, then the five under it, each of 1
// to 9 once (6729/13458 is {6, 7, 2, 9, 1, 3, 4, 5, 8}).
using Digits = std::array<int, kDigits>;
using Places = std::array<bool, kDigits>;

Fraction value_of(const Digits& form);

// Every pandigital form of the target, the numerators rising; empty when it has none.
// The forms of every target are found once, on first use.
const std::vector<Digits>& forms_of(const Fraction& target);
// The targets of a kind, each with at least one form.
const std::vector<Fraction>& targets(Kind kind);

struct Problem {
    Fraction target;
    Digits form{}; // the form Solution shows
    Places clue{}; // the places whose digits are shown from the start
    int ways = 0;  // how many forms the target has
    friend bool operator==(const Problem&, const Problem&) = default;
};

// A target of the kind and one of its forms at random. With clues, three places of that
// form are shown: of a bounded number of random choices, the one that leaves the fewest
// forms of the target fitting (one where it can). Picked from the precomputed lists, so
// it finishes in bounded time.
Problem make_problem(Kind kind, RandomSource& random);

// Whether a form has the digits of the clue places.
bool fits_clues(const Digits& form, const Problem& problem);

// The form as the class reads it, "6729/13458", with "?" in each place not `shown`.
std::string form_text(const Digits& form, const Places& shown);

} // namespace chalkline::pandigital
