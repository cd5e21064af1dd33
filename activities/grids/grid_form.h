// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid_board.h"
#include "random.h"
#include "revealing_form.h"

#include <QStringList>

#include <vector>

namespace chalkline::grids {

// What the grid screens share: the instruction line at the top, the board, the kinds as
// option buttons at the right, Go for a new problem of the chosen kind and Solution
// filling the hidden numbers one at a time, each flashing as it is filled, and a last
// tick that ends the flash. A screen places the board, draws a problem onto it in
// new_problem() (on a fresh grid, set_grid(), which also ends a flash) and says its
// sentences.
class GridForm : public shell::RevealingForm {
    Q_OBJECT

public:
    GridForm(const QString& name, const QString& caption, const QString& menu,
             const QStringList& kinds);

    void cmdsoln_Click() override;
    // The places to fill and the tick that ends the flash.
    int answer_parts() const override { return int(order_.size()) + 1; }

    shell::Label* Label1; // the instruction
    GridBoard* board;

protected:
    // Moves the column of kinds (at the right by default).
    void place_options(double left, double width);
    // The places Solution fills, in order: the hidden ones, row by row, unless a
    // screen orders them otherwise.
    virtual std::vector<GridPlace> reveal_order() const { return board->hidden_places(); }

    ClockRandom random_;

private:
    void show_part(int part) override;

    // The places the reveal under way fills, taken as it begins.
    std::vector<GridPlace> order_;
};

} // namespace chalkline::grids
