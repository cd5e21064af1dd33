// SPDX-License-Identifier: GPL-3.0-or-later
#include "integersquares_screen.h"

#include "integersquares_logic.h"

#include "accessibility.h"

namespace chalkline::integersquares {

namespace {

const QString kGap = "  ";

} // namespace

IntegerSquaresForm::IntegerSquaresForm()
    : SquareForm("integersquares", tr("Integer Squares"), "menu1",
                 {tr("Sums"), tr("Sums and Diagonals"), tr("Fewer Clues")}),
      Label2(add_label(this, {.name = "Label2",
                              .left = 600,
                              .top = 1020,
                              .width = 8400,
                              .height = 720,
                              .caption = "",
                              .font = {"Tahoma", 26.25, true},
                              .fore = shell::kWhite,
                              .align = Qt::AlignCenter})) {
    board->move(600, 1860, 8400, 6900);
    place_options(9120, 2820);
    // Spaced wide on the screen, read as a list.
    shell::set_reader_traits(Label2,
                             {.name = [this] { return Label2->caption().split(kGap).join(", "); }});
}

void IntegerSquaresForm::new_problem() {
    const auto kind = kind_as<Kind>();
    const grids::SquarePuzzle puzzle = make_problem(kind, random_, this->puzzle());
    QStringList values;
    for (int value : puzzle.values) {
        values << QString::number(value);
    }
    Label2->set_caption(values.join(kGap));
    show_puzzle(puzzle,
                kind == Kind::Sums
                    ? tr("Put these nine integers in the square, once each: each row and "
                         "column adds up to the number beside it")
                    : tr("Put these nine integers in the square, once each: each row, column "
                         "and diagonal adds up to the number at its end"),
                tr("a square of the integers %1").arg(values.join(", ")));
}

} // namespace chalkline::integersquares
