// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <string>
#include <vector>

namespace chalkline::pythagorean {

// The kinds, in the order of the screen's options.
enum class Kind { Primitive, Multiples, Euclid };

// Whole numbers a < b < c with a² + b² = c².
struct Triple {
    int a = 0, b = 0, c = 0;
    friend bool operator==(const Triple&, const Triple&) = default;
};

// The largest hypotenuse of a table.
constexpr int kLargest = 100;
constexpr int kRows = 5;

// Every triple with c up to kLargest, by c and then a; those of a kind: the primitive
// ones (no common factor), the multiples of those (a common factor of 2 or more).
// Enumerated once, on first use.
const std::vector<Triple>& all_triples();
std::vector<Triple> triples_of(Kind kind);

// One row of the table. Its three numbers are a, b and c in order of size; on the
// Euclid's Formula kind they are m² - n², 2mn and m² + n² in that order, made from m and
// n, which the row shows (m and n are 0 on the other kinds).
struct Row {
    std::array<int, 3> numbers{};
    std::array<bool, 3> hidden{};
    int m = 0, n = 0;
    friend bool operator==(const Row&, const Row&) = default;
};

struct Problem {
    Kind kind = Kind::Primitive;
    std::array<Row, kRows> rows{};
    friend bool operator==(const Problem&, const Problem&) = default;
};

// A new table of the kind: five different triples. On the first two kinds each row hides
// one or two numbers; it hides two only where the one it shows belongs, in its column,
// to no other triple of the kind, so that every row has one answer. On Euclid's Formula
// all three are hidden. Built constructively: the triples are drawn without
// replacement from the kind's list and the hidden numbers from the places allowed; a
// table the same as the one before is drawn again at most a fixed number of times, then
// taken with its rows in the reverse order, which makes it differ.
Problem make_problem(Kind kind, RandomSource& random, const Problem& previous = {});

// The row's three numbers, sorted: the triple it stands for.
Triple triple_of(const Row& row);

// "3, 4, ?": the row's numbers as the class sees them, "?" for each hidden one; with
// reveal, every number.
std::string row_text(const Row& row, bool reveal);

} // namespace chalkline::pythagorean
