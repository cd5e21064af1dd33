// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_form.h"

#include "speech.h"

namespace chalkline::grids {

namespace {

// The kinds stand in a column at the right.
constexpr shell::KindPlaces kKindPlaces{
    .left = 9480, .top = 1200, .width = 2460, .height = 480, .step = 600, .points = 12};

} // namespace

GridForm::GridForm(const shell::ActivityInfo& activity)
    : RevealingForm(activity), Label1(add_label(this, {.name = "Label1",
                                                       .left = 240,
                                                       .top = 180,
                                                       .width = 11520,
                                                       .height = 780,
                                                       .caption = "",
                                                       .font = {"Tahoma", 18, true},
                                                       .align = Qt::AlignCenter})),
      board(add<GridBoard>(this, "board")) {
    board->move(240, 1080, 9000, 7680);
    add_kinds(kKindPlaces);
}

void GridForm::place_options(double left, double width) {
    for (std::size_t i = 0; i < kind_options.size(); ++i) {
        kind_options[i]->move(left, kKindPlaces.top + double(i) * kKindPlaces.step, width,
                              kKindPlaces.height);
    }
}

void GridForm::cmdsoln_Click() {
    // The order is taken as the reveal begins, while its places still hide their numbers.
    if (parts_shown() == 0) {
        order_ = reveal_order();
    }
    RevealingForm::cmdsoln_Click();
}

QString GridForm::answer_sentence() const {
    // Rows and places are counted as the problem reads them: the rows that hold number
    // boxes, and the number boxes within a row (a square's totals, a piece's gaps left out).
    const auto numbers_before = [this](int row, int column) {
        int count = 0;
        for (int c = 0; c < column; ++c) {
            count += board->kind({row, c}) == BoxKind::Number;
        }
        return count;
    };
    const auto rows_before = [&](int row) {
        int count = 0;
        for (int r = 0; r < row; ++r) {
            count += numbers_before(r, board->columns()) > 0;
        }
        return count;
    };
    QStringList places;
    for (const GridPlace& place : order_) {
        places << shell::speech::at_place(rows_before(place.row) + 1,
                                          numbers_before(place.row, place.column) + 1,
                                          board->number(place));
    }
    return shell::speech::one_after_another(places) + '.';
}

void GridForm::show_part(int part) {
    const int places = int(order_.size());
    if (part < places) {
        board->fill(order_[std::size_t(part)]);
    } else {
        board->stop_flash();
    }
    // The answer is all on show with the last place filled, and is told then; the tick
    // that ends the flash tells it again, which changes nothing.
    if (part + 1 == places) {
        set_answer_sentence(answer_sentence());
    }
}

} // namespace chalkline::grids
