// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quadratic_logic.h"
#include "random.h"
#include "revealing_form.h"

namespace chalkline::quadratic {

// The Quadratic Factors screen: a quadratic to factorise; Solution shows its factors,
// then the factors multiplied out again as the check.
class QuadraticForm : public shell::RevealingForm {
    Q_OBJECT

public:
    QuadraticForm();

    const QuadraticProblem& problem() const { return problem_; }
    int answer_parts() const override { return 2; }

    shell::Label* Instruction;
    shell::Label* Quadratic;
    shell::Label* Factors;
    shell::Label* CheckCaption;
    shell::Label* CheckFactors;
    shell::Label* CheckExpansion;
    shell::Label* CheckResult;

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;

private:
    QuadraticProblem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::quadratic
