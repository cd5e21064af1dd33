// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression.h"
#include "random.h"

#include <array>
#include <string>
#include <vector>

namespace chalkline::twentyfour {

// The kinds of puzzle, in the order of the screen's options: four numbers from 1 to 9
// or from 1 to 13 to make 24, or four numbers from 1 to 9 to make a target from 1 to 30
// other than 24.
enum class Kind { one_to_nine, one_to_thirteen, target_one_to_thirty };

// Four numbers, smallest first (repeats allowed), and the number to make from them.
struct Puzzle {
    std::array<int, 4> numbers{};
    int target = 24;
    friend bool operator==(const Puzzle&, const Puzzle&) = default;
};

// The answer Solution shows: the simplest solution found and how many different ways
// there are.
struct Answer {
    Expression solution = Expression::number(0);
    int ways = 0;
};

struct Problem {
    Kind kind = Kind::one_to_nine;
    Puzzle puzzle;
    Answer answer;
};

// Every puzzle of a kind with at least one solution: each number used exactly once,
// with + - x ÷ and brackets, worked exactly, never dividing by zero. Worked out once,
// on first use of the kind.
const std::vector<Puzzle>& solvable_puzzles(Kind kind);

// Whether the numbers make the target.
bool solvable(const Puzzle& puzzle);

// The simplest solution and the number of ways. Simplest: fewest brackets, then no
// division, then no fraction on the way, then no negative number on the way, then the
// first in the order of the text. Two solutions are the same way when they differ only
// in the order of the terms of a sum or the factors of a product, and in brackets that
// regroup them (see way_of). A puzzle without a solution gives 0 ways.
Answer solve(const Puzzle& puzzle);

// What makes a solution one way: every run of + and - becomes one sum of signed terms
// and every run of x and ÷ one product of factors over divisors, each as an unordered
// collection. So 3 x 8, 8 x 3 and (2 x 4) x 3 = 2 x (3 x 4) are alike, and so are
// a - (b - c) = a - b + c and a ÷ (b ÷ c) = a x c ÷ b; but (1 - 5) x (1 - 7) and
// (5 - 1) x (7 - 1) are two ways, and so are x 1 and ÷ 1.
std::string way_of(const Expression& solution);

// A puzzle drawn uniformly from the solvable puzzles of the kind, other than the one
// before, with its answer.
Problem make_problem(Kind kind, RandomSource& random, const Puzzle* previous = nullptr);

} // namespace chalkline::twentyfour
