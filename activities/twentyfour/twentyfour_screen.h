// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revealing_form.h"
// moc reads no further than the screen: the exact arithmetic under it brings in C++20
// library headers that moc cannot parse.
#ifndef Q_MOC_RUN
#include "twentyfour_logic.h"
#endif

#include "random.h"

#include <array>

namespace chalkline::twentyfour {

// The 24 Puzzle screen: four numbers in big boxes and the target above them; Solution
// shows the simplest solution, then how many ways there are.
class TwentyFourForm : public shell::RevealingForm {
    Q_OBJECT

public:
    TwentyFourForm();

    const Problem& problem() const { return problem_; }

    shell::Label* Label1; // the instruction
    shell::Label* Label2; // the target
    std::array<shell::Label*, 4> Label3{};
    shell::Label* Label4; // the solution
    shell::Label* Label5; // the number of ways

    int answer_parts() const override { return 2; }

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;

private:
    QString solution_text() const;
    // "3 ways", as the screen shows below the solution.
    QString ways_text() const;

    Problem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::twentyfour
