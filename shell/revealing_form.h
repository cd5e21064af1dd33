// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "reveal.h"

namespace shell {

// An activity screen whose problems come in kinds and whose answer is shown in parts.
//
// - Go, a click on a kind (or its key) and the screen's opening call calculate(): a
//   reveal under way stops and new_problem() makes a problem of kind(), shows it with
//   every part of its answer hidden and sets the problem sentence.
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
    RevealingForm(const QString& name, const QString& caption, const QString& menu,
                  int reveal_ms = Reveal::kRevealInterval);

    void start() override { calculate(); }
    void cmdgo_Click() override { calculate(); }
    void cmdsoln_Click() override;
    void reveal_at_once() override;
    // Stops the reveal, then makes and shows a new problem.
    void calculate();

    // How many parts of the answer are shown, 0 while it is hidden.
    int parts_shown() const { return reveal_.shown(); }
    // The number of parts in the answer of the problem on show (1 or more).
    virtual int answer_parts() const = 0;

    Timer* Timer1;

protected:
    // For a screen that shows a problem it did not make in new_problem(): the reveal
    // stops and Solution starts afresh.
    void stop_reveal() { reveal_.reset(); }

    // Makes a problem of kind(), shows it with its answer hidden, sets the sentence.
    virtual void new_problem() = 0;
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
