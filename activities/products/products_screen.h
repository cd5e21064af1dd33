// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid_form.h"
#include "products_logic.h"

#include <optional>

namespace chalkline::products {

// The Products screen: the multiplication grid with its headers on a darker ground
// over the columns and beside the rows, "x" in the corner; Solution fills the headers,
// then the products.
class ProductsForm : public grids::GridForm {
    Q_OBJECT

public:
    ProductsForm();

    const std::optional<ProductsProblem>& problem() const { return problem_; }

protected:
    void new_problem() override;
    QString answer_sentence() const override;
    // The answer is the grid as shown, read once Solution has filled it.
    bool answer_known_at_once() const override { return false; }
    std::vector<grids::GridPlace> reveal_order() const override;

private:
    QString grid_sentence() const;

    std::optional<ProductsProblem> problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::products
