// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revealing_form.h"
// moc reads no further than the screen: the exact arithmetic under it brings in C++20
// library headers that moc cannot parse.
#ifndef Q_MOC_RUN
#include "orderofoperations_logic.h"
#endif

#include "random.h"

#include <array>

namespace chalkline::orderofoperations {

// The Order of Operations screen: one expression to work out; Solution shows the working
// a line at a time, each line the expression that remains after one more operation.
class OrderOfOperationsForm : public shell::RevealingForm {
    Q_OBJECT

public:
    OrderOfOperationsForm();

    const Problem& problem() const { return problem_; }

    // The longest working has a line for each operation.
    static constexpr int kLines = kMostOperations;

    shell::Label* Label1; // the instruction
    shell::Label* Label2; // the expression
    std::array<shell::Label*, kLines> Label3{};

    int answer_parts() const override { return int(problem_.working.size()); }

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;

private:
    Problem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::orderofoperations
