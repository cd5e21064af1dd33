// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "random.h"
#include "revealing_form.h"
#include "rightangled_logic.h"

#include <array>

namespace chalkline::rightangled {

// Right-angled Triangles: a right-angled triangle drawn (not to scale) with two sides
// labelled with their lengths and the third marked "?". Solution writes the working a
// line at a time beside it, the "?" turning into the working's letter first.
class RightAngledForm : public shell::RevealingForm {
    Q_OBJECT

public:
    RightAngledForm();

    const Problem& problem() const { return problem_; }

    shell::Label* instruction;
    Figure* figure;
    shell::Label* scale_note;
    std::array<shell::Label*, 3> working{};
    shell::Label* places_note;

protected:
    void new_problem() override;
    int answer_parts() const override { return 3; }
    void show_part(int line) override;
    QString answer_sentence() const override;
    QStringList repeat_keys() const override;

private:
    void draw_problem();
    QString problem_text() const;

    Problem problem_;
    Answer answer_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::rightangled
