// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_form.h"
#include "numberwall_logic.h"

namespace chalkline::numberwall {

// The Number Wall screen: a wall of four rows with some bricks shown, the class works
// out the rest; Solution fills them in one at a time, in an order that can be followed.
class NumberWallForm : public boards::BoardForm {
    Q_OBJECT

public:
    NumberWallForm();

    const Wall& wall() const { return wall_; }

protected:
    void new_problem() override;

private:
    Wall wall_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::numberwall
