// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hailstone_logic.h"
#include "random.h"
#include "sequence_form.h"

namespace chalkline::hailstone {

// The Hailstone Numbers screen: a start number and the rule; the class works the
// sequence down to 1. Solution lays the terms along the strip one by one, then tells
// the number of steps and the highest term, which the strip marks.
class HailstoneForm : public sequences::SequenceForm {
    Q_OBJECT

public:
    HailstoneForm();

    // Shows the problem from this start and stops any reveal.
    void show_start(int start);
    const Sequence& sequence() const { return sequence_; }

    shell::Label* Label1;
    shell::Label* Label2;
    shell::Label* Label3;
    shell::Label* Label4;

protected:
    void new_problem() override;
    // Every term after the start.
    int terms_to_fill() const override { return int(sequence_.terms.size()) - 1; }
    void fill_term(int term) override;
    void end_reveal() override;
    QString answer_sentence() const override;
    // "111 steps, highest 9232", as the screen shows once the sequence is filled.
    QString steps_text() const;

private:
    int start_ = 0;
    Sequence sequence_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::hailstone
