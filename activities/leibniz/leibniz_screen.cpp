// SPDX-License-Identifier: GPL-3.0-or-later
#include "leibniz_screen.h"

namespace chalkline::leibniz {

namespace {

// Boxes about as high as wide, for fractions drawn stacked.
constexpr double kBoxShape = 1.1;

} // namespace

LeibnizForm::LeibnizForm()
    : BoardForm("leibniz", tr("Leibniz' Triangle"), "menu5",
                {tr("Rows 1 to 5"), tr("Rows 1 to 7"), tr("Rows 1 to 9")}) {
    Label1->set_caption(tr("Each fraction is the sum of the two below it. "
                           "Find the missing fractions."));
}

void LeibnizForm::new_problem() {
    puzzle_ = make_problem(kind_as<Kind>(), random_, puzzle_.numbers.empty() ? nullptr : &puzzle_);
    Board1->set_rows(puzzle_.rows, kBoxShape);
    std::vector<std::string> numbers;
    for (const Fraction& number : puzzle_.numbers) {
        numbers.push_back(fraction_text(number));
    }
    show_puzzle(numbers, puzzle_.shown, puzzle_.steps);
    set_problem_sentence(
        tr("Leibniz triangle, rows 1 to %1, top first. %2.").arg(puzzle_.rows).arg(board_words()));
}

} // namespace chalkline::leibniz
