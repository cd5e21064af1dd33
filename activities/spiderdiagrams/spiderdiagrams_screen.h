// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "revealing_form.h"
#include "spiderdiagrams_logic.h"

#include <array>
#include <optional>

namespace chalkline::spiderdiagrams {

class SpiderLegs;

// The Spider Diagrams screen: a number in a circle and eight legs, each ending in a box
// with an operation on it. Solution writes each answer under its operation, clockwise
// from the top.
class SpiderDiagramsForm : public shell::RevealingForm {
    Q_OBJECT

public:
    SpiderDiagramsForm();

    const SpiderProblem& problem() const { return *problem_; }

    shell::Label* Label1;
    shell::Label* LabelCentre;
    SpiderLegs* Legs;
    // Leg k, clockwise from the top: its box, its operation and its answer.
    std::array<shell::Shape*, kLegs> ShapeBox{};
    std::array<shell::Label*, kLegs> LabelOperation{};
    std::array<shell::Label*, kLegs> LabelAnswer{};

    int answer_parts() const override { return kLegs; }

protected:
    // Makes a new problem of the chosen kind and shows it, the answers empty.
    void new_problem() override;
    // Writes the answer of that leg, clockwise from the top.
    void show_part(int leg) override;
    QString answer_sentence() const override;

private:
    // The leg's operation as it is read ("x 3", "half", "²") and as its box shows it.
    QString operation_words(int leg) const;
    QString operation_caption(int leg) const;
    QString answer_caption(int leg) const;

    std::optional<SpiderProblem> problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::spiderdiagrams
