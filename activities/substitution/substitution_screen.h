// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revealing_form.h"
// moc reads no further than the screen: the exact arithmetic under it brings in C++20
// library headers that moc cannot parse.
#ifndef Q_MOC_RUN
#include "substitution_logic.h"
#endif

#include "random.h"

#include <array>

namespace chalkline::substitution {

// The Substitution screen: the values of a, b and c, and six expressions of them, the
// easiest first; Solution shows their values one after another.
class SubstitutionForm : public shell::RevealingForm {
    Q_OBJECT

public:
    SubstitutionForm();

    const Problem& problem() const { return problem_; }

    shell::Label* Label1;                                 // the instruction
    std::array<shell::Label*, 3> Label2{};                // a = 3, b = -2, c = 5
    std::array<shell::Label*, kExpressionCount> Label3{}; // the expressions
    std::array<shell::Label*, kExpressionCount> Label4{}; // their values

    int answer_parts() const override { return kExpressionCount; }

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;
    QStringList repeat_keys() const override;

private:
    QString expression(int k) const;
    QString answer(int k) const;

    Problem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::substitution
