// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "reveal.h"

#include <QStringList>

namespace shell {

// Where a screen's kind options stand, in twips from the corner of the screen (or of
// the frame that holds them): the first at (left, top), each width by height, every
// next one `step` below the one before, or `step` to the right of it when `across`.
// Their captions are yellow Tahoma bold of `points`.
struct KindPlaces {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 450;
    double step = 500;
    bool across = false;
    double points = 12;
};

// The kinds in a row along the bottom of the screen, left of the status panel.
inline constexpr KindPlaces kKindsAlongTheBottom{.left = 300,
                                                 .top = 8100,
                                                 .width = 3200,
                                                 .height = 600,
                                                 .step = 3300,
                                                 .across = true,
                                                 .points = 15.75};

// The kinds in a column at the lower left of the screen.
inline constexpr KindPlaces kKindsAtTheLowerLeft{
    .left = 450, .top = 7050, .width = 4200, .height = 480, .step = 520};

// An activity screen whose problems come in kinds and whose answer is shown in parts.
//
// - Kinds: add_kinds() makes the options Option1, Option2... where KindPlaces puts them,
//   the first chosen as the screen opens. kind() is the one chosen, 1 for the first.
// - Go, a click on a kind (or its key) and the screen's opening call calculate(): a
//   reveal under way stops and new_problem() makes a problem of kind(), shows it with
//   every part of its answer hidden and sets the problem sentence.
// - Solution shows part 0 of answer_parts() at once and each next part a tick of Timer1
//   later (Reveal::kRevealInterval apart unless the screen gives its own pace); with the
//   last part the screen reader is told answer_sentence(). Solution again while the
//   parts come, or after, changes nothing. Exit stops the timer with the screen.
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

    // The kind chosen, 1 for the first option.
    int kind() const;
    // How many parts of the answer are shown, 0 while it is hidden.
    int parts_shown() const { return reveal_.shown(); }
    // The number of parts in the answer of the problem on show (1 or more).
    virtual int answer_parts() const = 0;

    Timer* Timer1;

protected:
    // The options Option1, Option2..., one for each caption; a click makes a problem.
    // They stand on the screen, or in `frame` when one is given (a frame is given the
    // screen's blue by the caller, as any frame of its own).
    void add_kinds(const QStringList& captions, const KindPlaces& places, Frame* frame = nullptr);
    // For a screen that shows a problem it did not make in new_problem(): the reveal
    // stops and Solution starts afresh.
    void stop_reveal() { reveal_.reset(); }

    // Makes a problem of kind(), shows it with its answer hidden, sets the sentence.
    virtual void new_problem() = 0;
    // Shows part `part` of the answer, 0 first.
    virtual void show_part(int part) = 0;
    // What follows "Answer: " in the screen's sentence.
    virtual QString answer_sentence() const = 0;

private:
    Reveal reveal_;
};

} // namespace shell
