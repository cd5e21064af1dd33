// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "grid_board.h"
#include "random.h"

#include <QStringList>

namespace chalkline::grids {

// What the grid screens share: the instruction line at the top, the board, the kinds as
// option buttons at the right, Go for a new problem of the chosen kind and Solution
// filling the hidden numbers one at a time. A screen places the board, draws a problem
// onto it and says its sentences.
class GridForm : public shell::ActivityForm {
    Q_OBJECT

public:
    GridForm(const QString& name, const QString& caption, const QString& menu,
             const QStringList& kinds);

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;

    // The chosen kind, 0 for the first option.
    int kind() const { return kind_; }

    shell::Label* Label1; // the instruction
    GridBoard* board;

protected:
    // Moves the column of kinds (at the right by default).
    void place_options(double left, double width);
    // Draws a new problem of kind() (never the one shown before) and shows it on the
    // board, with its instruction and its problem sentence.
    virtual void new_problem() = 0;
    // The answer sentence, once every number is shown.
    virtual QString answer_sentence() const = 0;
    // The places Solution fills, in order: the hidden ones, row by row, unless a
    // screen orders them otherwise.
    virtual std::vector<GridPlace> reveal_order() const { return board->hidden_places(); }

    ClockRandom random_;

private:
    void choose_kind(int kind);

    int kind_ = 0;
    GridReveal reveal_;
};

} // namespace chalkline::grids
