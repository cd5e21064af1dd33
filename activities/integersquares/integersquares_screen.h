// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "square_form.h"

namespace chalkline::integersquares {

// The Integer Squares screen: the nine integers to place on a line under the
// instruction, and the square with its sums, a few of its numbers given.
class IntegerSquaresForm : public grids::SquareForm {
    Q_OBJECT

public:
    IntegerSquaresForm();

    shell::Label* Label2; // the nine integers

protected:
    void new_problem() override;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::integersquares
