// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_form.h"
#include "pascal1_logic.h"

namespace chalkline::pascal1 {

// The Pascal's Triangle 1 screen: the triangle with some numbers hidden for the class to
// find; Solution fills them in one at a time, flashing the two numbers above each.
class Pascal1Form : public boards::BoardForm {
    Q_OBJECT

public:
    Pascal1Form();

protected:
    void new_problem() override;

private:
    Puzzle puzzle_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::pascal1
