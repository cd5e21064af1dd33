// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expression_templates.h"
#include "random.h"

#include <optional>
#include <string>

namespace chalkline::matchthetarget {

// Match the Target has one kind of puzzle; the kind keeps make_problem in the form every
// activity's has.
enum class Kind { FiveNumbers };

// The puzzle on screen: five given numbers, the target they can reach, and the
// expression that reaches it, which Solution reveals.
struct TargetPuzzle {
    int template_number = 0; // 1 to 15: the ExpressionTemplate the puzzle was built from
    Given given{};           // N1 to N5, left to right
    int target = 0;          // value of the template on the given numbers
    std::string answer;      // the template written with the given numbers
};

// Makes a new puzzle: reseeds the source, picks a template other than previous,
// draws that template's numbers from their ranges in their fixed order, and draws
// all of them again until the template's acceptance test passes.
TargetPuzzle make_problem(Kind kind, RandomSource& random, std::optional<int> previous);

} // namespace chalkline::matchthetarget
