// SPDX-License-Identifier: GPL-3.0-or-later
#include "hundredsquare_screen.h"

#include <algorithm>

namespace chalkline::hundredsquare {

using grids::BoxKind;

HundredSquareForm::HundredSquareForm()
    : GridForm("hundredsquare", tr("The Hundred Square"), "menu2",
               {tr("1 to 100"), tr("Pieces"), tr("-50 to 49")}) {
    // "100" needs the width: the square reaches the status panel's left edge, the kinds
    // stand above the panel.
    board->move(60, 1080, 10080, 7680);
    place_options(10200, 1740);
}

void HundredSquareForm::new_problem() {
    const auto kind = kind_as<Kind>();
    problem_ = make_problem(kind, random_, problem_);
    const auto& squares = problem_->squares;
    // A piece stands on a grid of its own size, centred, its boxes half as large again
    // as those of the whole square at most.
    const auto [top, bottom] = std::minmax_element(squares.begin(), squares.end(),
                                                   [](auto& a, auto& b) { return a.row < b.row; });
    const auto [left, right] = std::minmax_element(
        squares.begin(), squares.end(), [](auto& a, auto& b) { return a.column < b.column; });
    board->set_grid(bottom->row - top->row + 1, right->column - left->column + 1);
    const double largest = kind == Kind::Pieces ? 1.5 / kSide : 1.0 / kSide;
    board->set_largest_place(board->width() * largest, board->height() * largest);
    for (const Square& square : squares) {
        board->set_place({square.row - top->row, square.column - left->column}, BoxKind::Number,
                         QString::number(square.number), square.hidden);
    }

    const QString numbers = grids::reading_of(grids::rows_of(*board, {BoxKind::Number}));
    switch (kind) {
    case Kind::OneToHundred:
        Label1->set_caption(tr("Find the hidden numbers of the hundred square"));
        set_problem_sentence(
            tr("the hundred square, top row first, ? for a hidden number: %1.").arg(numbers));
        break;
    case Kind::Pieces:
        Label1->set_caption(tr("A piece of the hundred square: find its other numbers"));
        set_problem_sentence(tr("a piece of the hundred square, top row first: %1.").arg(numbers));
        break;
    case Kind::FromMinusFifty:
        Label1->set_caption(tr("This square runs from -50 to 49: find its hidden numbers"));
        set_problem_sentence(
            tr("the square from -50 to 49, top row first, ? for a hidden number: %1.")
                .arg(numbers));
        break;
    }
}

QString HundredSquareForm::answer_sentence() const {
    return grids::reading_of(grids::rows_of(*board, {BoxKind::Number})) + '.';
}

} // namespace chalkline::hundredsquare
