// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbersquares_screen.h"

#include "numbersquares_logic.h"

namespace chalkline::numbersquares {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "numbersquares",
    .menu = 2,
    .place = 0,
    .title = QT_TRANSLATE_NOOP("Activities", "Number Squares"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Sums"), QT_TRANSLATE_NOOP("Kinds", "Products"),
              QT_TRANSLATE_NOOP("Kinds", "Sums, fewer clues")},
    .code_prefix = "NSQ",
    .make = shell::make_screen<NumberSquaresForm>,
};

NumberSquaresForm::NumberSquaresForm() : SquareForm(kActivity) {
    board->move(600, 1320, 8400, 7200);
    place_options(9120, 2820);
}

void NumberSquaresForm::new_problem() {
    const auto kind = kind_as<Kind>();
    show_puzzle(make_problem(kind, problem_random()),
                kind == Kind::Products
                    ? tr("Put the digits 1 to 9 in the square, once each: each row and column "
                         "multiplies to the number beside it")
                    : tr("Put the digits 1 to 9 in the square, once each: each row and column "
                         "adds up to the number beside it"),
                tr("a square of the digits 1 to 9"));
}

} // namespace chalkline::numbersquares
