// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid_form.h"
#include "square_puzzle.h"

#include <optional>

namespace chalkline::grids {

// The screens of the 3 by 3 squares. The board holds the square with its row totals at
// the right and its column totals below; where the rules have diagonals, the falling
// diagonal's total stands at the bottom right corner and the rising diagonal's at the
// bottom left, each where its diagonal points, with a short dashed lead to it.
class SquareForm : public GridForm {
    Q_OBJECT

public:
    using GridForm::GridForm;

    const std::optional<SquarePuzzle>& puzzle() const { return puzzle_; }

protected:
    // Shows the puzzle on the board under its instruction and says it: `intro` names
    // the numbers ("a square of the digits 1 to 9").
    void show_puzzle(const SquarePuzzle& puzzle, const QString& instruction, const QString& intro);
    QString answer_sentence() const override;
    QStringList repeat_keys() const override;

private:
    std::optional<SquarePuzzle> puzzle_;
};

// The board's place of a cell of the square (0 to 8, reading order).
GridPlace square_place(int cell);

} // namespace chalkline::grids
