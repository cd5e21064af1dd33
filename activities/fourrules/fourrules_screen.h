// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "fourrules_logic.h"
#include "random.h"

namespace chalkline::fourrules {

// The Four Rules screen: two numbers of the chosen kind under the prompt, and on
// Solution their sum, difference, product and quotient, fractions with their mixed forms.
class FourRulesForm : public shell::ActivityForm {
    Q_OBJECT

public:
    FourRulesForm();

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;

    // Hides every number and answer field.
    void clearlabels();
    // Makes a new problem of the current kind and shows it.
    void calculate();

    const FourRulesProblem& problem() const { return problem_; }

    shell::Label* Label1;
    shell::Frame* Frame1;
    shell::Label* Label2;
    shell::Label* Label3;
    shell::Label* Label4;
    shell::Label* Label9;
    shell::Label* Label10;
    shell::Label* Label11;
    shell::Label* Label12;
    shell::Line* Line1;
    shell::Line* Line2;
    shell::Label* Label5;
    shell::Label* Label6;
    shell::Label* Label7;
    shell::Label* Label8;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;

private:
    shell::Label* label(int number) const { return labels_[number]; }
    shell::Line* line(int number) const { return lines_[number]; }

    FourRulesProblem problem_;
    ClockRandom random_;
    // Label1 to Label28 and Line1 to Line8 by their numbers (entry 0 stays empty).
    shell::Label* labels_[29] = {};
    shell::Line* lines_[9] = {};
};

} // namespace chalkline::fourrules
