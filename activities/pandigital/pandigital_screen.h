// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction_form.h"
#include "number_label.h"
#include "pandigital_logic.h"

#include <array>

namespace chalkline::pandigital {

// The Pandigital Fractions screen: four boxes over five, equal to a target fraction,
// with the clue digits placed for the third kind; the Solution fills one form digit by
// digit and then says how many forms there are.
class PandigitalForm : public fractionkit::FractionForm {
    Q_OBJECT

public:
    PandigitalForm();

    void cmdsoln_Click() override;

    Kind kind() const;
    const Problem& problem() const { return problem_; }

    shell::Label* Label1;                        // the instruction
    std::array<shell::Label*, kDigits> Label2{}; // the boxes, the four above first
    shell::Line* Line1;                          // the fraction bar
    shell::Label* Label3;                        // "="
    fractionkit::NumberLabel* Label4;            // the target
    shell::Label* Label9;                        // how many ways

private:
    void calculate() override;
    Places shown_places() const;

    Problem problem_{};
};

} // namespace chalkline::pandigital
