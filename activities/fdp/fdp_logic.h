// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"

#include <array>
#include <string>

namespace chalkline::fdp {

// The kinds of value, in the order of the screen's options: halves, quarters, fifths
// and tenths; eighths, twentieths, twenty-fifths, fiftieths, hundredths, thirds and
// sixths; values over one (a whole part of 1 to 3 and halves, quarters, fifths or
// tenths).
enum class Kind { Simple, Harder, OverOne };

// The three columns of the table.
enum class Column { Fraction, Decimal, Percentage };
inline constexpr int kColumns = 3;
inline constexpr int kRows = 6;

// One row: a value, the column that shows it, and for a value over one whether its
// fraction is written as a mixed number ("1 3/4") or improper ("7/4").
struct Row {
    chalkline::Fraction value;
    Column shown = Column::Fraction;
    bool mixed = false;
    friend bool operator==(const Row&, const Row&) = default;
};

using Table = std::array<Row, kRows>;

// Six different values of the kind; each column is shown in two rows. Built
// constructively (distinct values drawn from the kind's list without putting back); a
// table the same as `previous` is drawn again at most 20 times, and then every row shows
// its next column, so the result always differs.
Table make_problem(Kind kind, RandomSource& random, const Table* previous = nullptr);

// The three forms of a row's value as the table writes them, in the order of the
// columns: "3/4" (or "1 3/4" when mixed), "0.75", "75%"; a recurring decimal with a dot
// over the repeating digits, as dotted_text writes it ("0.16̇", "16.6̇%").
std::array<std::string, kColumns> forms(const Row& row);

// The row as the class reads it, the hidden forms as "?": "1/4 = ? = ?", "? = 0.6 = ?";
// with every form shown when `solved`.
std::string row_text(const Row& row, bool solved);

} // namespace chalkline::fdp
