// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <string>
#include <vector>

namespace chalkline::pascal2 {

// The kinds, in the order of the screen's options: 16, 32 and 64 rows.
enum class Kind { Rows16, Rows32, Rows64 };
int rows_of(Kind kind);

// Rows up to this many carry their numbers; past it the boxes are too small for them.
inline constexpr int kNumberedRows = 16;

// Which numbers of the first rows of Pascal's triangle are multiples of the divisor.
// Cells are kept as boards::cell_of numbers them: row 0 first.
struct Question {
    Kind kind = Kind::Rows16;
    int rows = 0;
    int divisor = 0;
    std::vector<bool> multiple;
    int multiples = 0;
};

// A new question over the kind's rows, its divisor drawn from 2 to 9 but never the
// previous one (0 for none): drawn from the seven others, so it takes one draw.
Question make_problem(Kind kind, RandomSource& random, int previous_divisor);

// Which numbers of the first `rows` rows are multiples of the divisor. Worked out on the
// remainders alone (each remainder is that of the sum of the two above), so no number
// is ever formed and nothing can overflow, however many rows.
std::vector<bool> multiples_of(int divisor, int rows);

// The numbers as the class reads them where the rows carry numbers, else empty texts.
std::vector<std::string> number_texts(int rows);

// How many rows Solution colours at each tick: the triangle in eight parts.
int rows_per_part(int rows);

} // namespace chalkline::pascal2
