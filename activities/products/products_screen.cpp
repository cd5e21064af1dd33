// SPDX-License-Identifier: GPL-3.0-or-later
#include "products_screen.h"

#include <algorithm>

namespace chalkline::products {

using grids::BoxKind;
using grids::GridPlace;

namespace {

QString text(const std::string& number) {
    return QString::fromStdString(number);
}

} // namespace

ProductsForm::ProductsForm()
    : GridForm("products", tr("Products"), "menu4",
               {tr("Tables to 10"), tr("Tables to 12"), tr("Decimals")}) {
    board->move(1140, 1200, 7500, 7500);
}

void ProductsForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, problem_);
    const ProductsProblem& p = *problem_;
    board->set_grid(kSize + 1, kSize + 1);
    board->set_place({0, 0}, BoxKind::Sign, "x");
    for (int i = 0; i < kSize; ++i) {
        const auto k = std::size_t(i);
        board->set_place({0, i + 1}, BoxKind::Header, text(header_text(p, p.top[k])),
                         !p.top_shown[k]);
        board->set_place({i + 1, 0}, BoxKind::Header, text(header_text(p, p.left[k])),
                         !p.left_shown[k]);
        for (int column = 0; column < kSize; ++column) {
            board->set_place({i + 1, column + 1}, BoxKind::Number, text(product_text(p, i, column)),
                             !p.product_shown[k][std::size_t(column)]);
        }
    }
    Label1->set_caption(tr("Find the missing numbers of the multiplication grid"));
    set_problem_sentence(grid_sentence());
}

// The sentence of the grid as it is shown now.
QString ProductsForm::grid_sentence() const {
    QStringList top;
    QStringList left;
    QStringList rows;
    for (int i = 1; i <= kSize; ++i) {
        top << board->shown({0, i});
        left << board->shown({i, 0});
        QStringList row;
        for (int column = 1; column <= kSize; ++column) {
            row << board->shown({i, column});
        }
        rows << row.join(", ");
    }
    return tr("a multiplication grid, top headers %1; left headers %2; products row by row: %3.")
        .arg(top.join(", "), left.join(", "), rows.join("; "));
}

QString ProductsForm::answer_sentence() const {
    return grid_sentence();
}

std::vector<GridPlace> ProductsForm::reveal_order() const {
    std::vector<GridPlace> order = board->hidden_places();
    // Headers (row 0 or column 0) first, each group in reading order, top before left.
    const auto rank = [](const GridPlace& place) {
        return place.row == 0 ? 0 : place.column == 0 ? 1 : 2;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const GridPlace& a, const GridPlace& b) { return rank(a) < rank(b); });
    return order;
}

} // namespace chalkline::products
