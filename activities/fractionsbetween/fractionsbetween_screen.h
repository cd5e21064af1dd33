// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction_form.h"
#include "fractionsbetween_logic.h"
#include "number_label.h"
#include "number_line.h"

#include <array>

namespace chalkline::fractionsbetween {

// The Fractions Between screen: two fractions, the smaller first, on the ends of a
// number line; the Solution marks three fractions between them one at a time (halfway,
// the mediant, the simplest), each in a box joined to its place on the line, the boxes
// in the order of their values.
class FractionsBetweenForm : public fractionkit::FractionForm {
    Q_OBJECT

public:
    static constexpr int kAnswers = 3;

    FractionsBetweenForm();

    int answer_parts() const override { return kAnswers; }

    const Pair& pair() const { return pair_; }

    shell::Label* Label1;             // "Find a fraction between"
    fractionkit::NumberLabel* Label2; // the smaller
    shell::Label* Label3;             // "and"
    fractionkit::NumberLabel* Label4; // the larger
    fractionkit::NumberLabel* Label5; // the smaller, at the left end of the line
    fractionkit::NumberLabel* Label6; // the larger, at the right end
    NumberLine* Line1;
    std::array<shell::Label*, kAnswers> Label9{};              // the answers' names
    std::array<fractionkit::NumberLabel*, kAnswers> Label10{}; // the answers

private:
    void new_problem() override;
    // Shows an answer: halfway, the mediant or the simplest.
    void show_part(int which) override;
    QString answer_sentence() const override;

    Pair pair_{};
};

} // namespace chalkline::fractionsbetween
