// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberwall_screen.h"

namespace chalkline::numberwall {

namespace {

// Bricks twice as wide as they are high.
constexpr double kBrickShape = 2.0;

} // namespace

NumberWallForm::NumberWallForm()
    : BoardForm("numberwall", tr("Number Wall"), "menu3",
                {tr("Positive Whole Numbers"), tr("Integers"), tr("Decimals")}) {
    Label1->move(165, 150, 8500, 1300);
    Label1->set_caption(tr("Each brick is the sum of the two bricks below it. "
                           "Find the missing bricks."));
    Board1->move(120, 1600, 9960, 5200);
    Board1->set_rows(kRows, kBrickShape);
}

void NumberWallForm::new_problem() {
    wall_ = make_problem(kind_as<Kind>(), random_, wall_.bricks.empty() ? nullptr : &wall_);
    std::vector<std::string> numbers;
    for (const Fraction& brick : wall_.bricks) {
        numbers.push_back(brick_text(brick));
    }
    show_puzzle(numbers, wall_.shown, wall_.steps, true);
    set_problem_sentence(tr("number wall, bottom row first. %1.").arg(board_words()));
}

} // namespace chalkline::numberwall
