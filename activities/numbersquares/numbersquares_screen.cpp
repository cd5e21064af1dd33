// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbersquares_screen.h"

#include "numbersquares_logic.h"

namespace chalkline::numbersquares {

NumberSquaresForm::NumberSquaresForm()
    : SquareForm("numbersquares", tr("Number Squares"), "menu2",
                 {tr("Sums"), tr("Products"), tr("Sums, fewer clues")}) {
    board->move(600, 1320, 8400, 7200);
    place_options(9120, 2820);
}

void NumberSquaresForm::new_problem() {
    const auto kind = kind_as<Kind>();
    show_puzzle(make_problem(kind, random_, puzzle()),
                kind == Kind::Products
                    ? tr("Put the digits 1 to 9 in the square, once each: each row and column "
                         "multiplies to the number beside it")
                    : tr("Put the digits 1 to 9 in the square, once each: each row and column "
                         "adds up to the number beside it"),
                tr("a square of the digits 1 to 9"));
}

} // namespace chalkline::numbersquares
