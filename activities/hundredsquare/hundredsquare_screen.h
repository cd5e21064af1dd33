// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid_form.h"
#include "hundredsquare_logic.h"

#include <optional>

namespace chalkline::hundredsquare {

// The Hundred Square screen: the whole square with some numbers hidden, or a piece of
// it with one number given, its boxes as large as those of the whole square.
class HundredSquareForm : public grids::GridForm {
    Q_OBJECT

public:
    HundredSquareForm();

    const std::optional<HundredProblem>& problem() const { return problem_; }

protected:
    void new_problem() override;

private:
    std::optional<HundredProblem> problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::hundredsquare
