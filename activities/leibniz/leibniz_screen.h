// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_form.h"
#include "leibniz_logic.h"

namespace chalkline::leibniz {

// The Leibniz' Triangle screen: the harmonic triangle with some fractions hidden for the
// class to find; Solution fills them in one at a time, flashing the two each comes from.
class LeibnizForm : public boards::BoardForm {
    Q_OBJECT

public:
    LeibnizForm();

protected:
    void new_problem() override;

private:
    Puzzle puzzle_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::leibniz
