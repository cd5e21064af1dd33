// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fibonacci_logic.h"
#include "random.h"
#include "sequence_form.h"

#include <optional>
#include <vector>

namespace chalkline::fibonacci {

// The Fibonacci Sequence screen: ten terms of a sequence in which each term is the sum
// of the two before it, some hidden. Solution fills the hidden terms one at a time, in
// an order the class can work out, each with its working below the strip.
class FibonacciForm : public sequences::SequenceForm {
    Q_OBJECT

public:
    FibonacciForm();

    // Shows the problem, its hidden terms as "?", and stops any reveal.
    void show_terms(const Problem& problem);
    const Problem& problem() const { return *problem_; }

    shell::Label* Label1;
    shell::Label* Label2;

protected:
    void new_problem() override;
    int terms_to_fill() const override { return int(steps_.size()); }
    void fill_term(int term) override;
    void end_reveal() override;
    QString answer_sentence() const override;

private:
    std::optional<Problem> problem_;
    std::vector<Step> steps_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::fibonacci
