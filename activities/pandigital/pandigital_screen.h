// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction_form.h"
#include "number_label.h"
#include "pandigital_logic.h"

#include <array>
#include <vector>

namespace chalkline::pandigital {

// The Pandigital Fractions screen: four boxes over five, equal to a target fraction,
// with the clue digits placed for the third kind; the Solution fills one form digit by
// digit and then says how many forms there are.
class PandigitalForm : public fractionkit::FractionForm {
    Q_OBJECT

public:
    PandigitalForm();

    // The digits to find, one at a time, then the count of ways.
    int answer_parts() const override;

    const Problem& problem() const { return problem_; }

    shell::Label* Label1;                        // the instruction
    std::array<shell::Label*, kDigits> Label2{}; // the boxes, the four above first
    shell::Line* Line1;                          // the fraction bar
    shell::Label* Label3;                        // "="
    fractionkit::NumberLabel* Label4;            // the target
    shell::Label* Label9;                        // how many ways

private:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;
    Places shown_places() const;
    // The places whose digit the class works out, left to right, the four above first.
    std::vector<int> hidden_places() const;

    Problem problem_{};
};

} // namespace chalkline::pandigital
