// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction_form.h"
#include "number_label.h"
#include "percentages_logic.h"

#include <array>

namespace chalkline::percentages {

// The Percentages screen: six questions of the chosen kind, easiest first, each with
// its answer box; Solution fills the boxes one at a time.
class PercentagesForm : public fractionkit::FractionForm {
    Q_OBJECT

public:
    PercentagesForm();

    int answer_parts() const override { return kQuestions; }

    const Questions& questions() const { return questions_; }

    shell::Label* Label1;                                       // the instruction
    std::array<shell::Label*, kQuestions> Label2{};             // the questions
    std::array<shell::Label*, kQuestions> Label3{};             // the "=" signs
    std::array<fractionkit::NumberLabel*, kQuestions> Label4{}; // the answers

private:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;
    QString question_text(const Question& question) const;
    QString reading(bool solved) const;

    Questions questions_{};
};

} // namespace chalkline::percentages
