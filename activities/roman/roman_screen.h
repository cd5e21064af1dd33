// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "revealing_form.h"
#include "roman_logic.h"

#include <array>

namespace chalkline::roman {

// The Roman Arithmetic screen: six questions in rows, each question, an "=" and its
// answer; Solution shows the answers one row at a time, a Roman answer with our number
// beside it.
class RomanForm : public shell::RevealingForm {
    Q_OBJECT

public:
    RomanForm();

    const RomanProblem& problem() const { return problem_; }
    int answer_parts() const override { return kQuestions; }

    shell::Label* Instruction;
    std::array<shell::Label*, kQuestions> Question{};
    std::array<shell::Label*, kQuestions> Equals{};
    std::array<shell::Label*, kQuestions> Answer{};
    std::array<shell::Label*, kQuestions> Ours{};

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;
    QStringList repeat_keys() const override;

private:
    // Puts the columns where the kind wants them: a conversion has no number beside its
    // answer, and its numerals may be long on either side.
    void place_columns();
    QString question(int row) const;
    QString answer(int row) const;

    RomanProblem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::roman
