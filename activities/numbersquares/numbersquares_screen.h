// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "square_form.h"

namespace chalkline::numbersquares {

// The Number Squares screen: the square with its row totals at the right and column
// totals below, sums or products by kind, and a few digits given.
class NumberSquaresForm : public grids::SquareForm {
    Q_OBJECT

public:
    NumberSquaresForm();

protected:
    void new_problem() override;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::numbersquares
