// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "reveal.h"

namespace shell {

// An activity screen whose problems come in kinds and whose answer is shown in parts.
//
// - Go, a click on a kind (or its key), the screen's opening and show_problem() stop a
//   reveal under way; then new_problem() makes a problem of kind(), shows it with every
//   part of its answer hidden and sets the problem sentence.
// - Solution shows part 0 of answer_parts() at once and each next part a tick of Timer1
//   later (Reveal::kRevealInterval apart unless the screen gives its own pace); with the
//   last part the screen reader is told answer_sentence(), or at once when the screen
//   says answer_known_at_once(). Solution again while the parts come, or after, changes
//   nothing. Exit stops the timer with the screen.
//
// A screen builds its controls and calls add_kinds() in its constructor, and overrides
// new_problem(), answer_parts(), show_part() and answer_sentence(). A reveal whose last
// step only ends it (a total written, a highlight taken away) counts that step as a
// part of its own.
class RevealingForm : public ActivityForm {
public:
    explicit RevealingForm(const ActivityInfo& activity, int reveal_ms = Reveal::kRevealInterval);

    void cmdsoln_Click() override;
    void reveal_at_once() override;

    // How many parts of the answer are shown, 0 while it is hidden.
    int parts_shown() const { return reveal_.shown(); }
    // The number of parts in the answer of the problem on show (1 or more).
    virtual int answer_parts() const = 0;

    Timer* Timer1;

protected:
    // The reveal under way stops and Solution starts afresh.
    void hide_solution() override { reveal_.reset(); }

    // Shows part `part` of the answer, 0 first.
    virtual void show_part(int part) = 0;
    // What follows "Answer: " in the screen's sentence.
    virtual QString answer_sentence() const = 0;
    // Whether answer_sentence() holds the whole answer as soon as the problem is made
    // (it is worked from the problem, not read from what the screen shows): Solution then
    // speaks it at once, and a new problem before the reveal ends loses nothing.
    virtual bool answer_known_at_once() const { return false; }

private:
    Reveal reveal_;
};

} // namespace shell
