// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_form.h"
#include "pascal2_logic.h"

namespace chalkline::pascal2 {

// The Pascal's Triangle 2 screen: which numbers of the first 16, 32 or 64 rows are
// multiples of a divisor from 2 to 9? Solution colours them a few rows at a time from
// the top, and the pattern they make appears; the status line then gives their count.
class Pascal2Form : public boards::BoardForm {
    Q_OBJECT

public:
    Pascal2Form();

    int answer_parts() const override;
    const Question& question() const { return question_; }

protected:
    void new_problem() override;
    QString answer_sentence() const override;
    // Worked from the question, so spoken as Solution is pressed, before the rows are marked.
    bool answer_known_at_once() const override { return true; }
    QStringList repeat_keys() const override;
    void show_part(int part) override;

private:
    // "45 of the 136 numbers are multiples of 3.", the status line once all are marked.
    QString multiples_text() const;

    Question question_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::pascal2
