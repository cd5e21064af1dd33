// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "sequence_strip.h"

#include <QStringList>

namespace shell {

// What the sequence screens share: the strip of terms, a row of three kinds below it
// (the first chosen when the screen opens; a click on one makes a new problem of it)
// and a Solution revealed one part a tick of Timer1: the first part at once, the rest
// a tick apart. Solution during the reveal or after it changes nothing; Go, a kind or
// Exit during it stops it.
class SequenceForm : public ActivityForm {
public:
    SequenceForm(const QString& name, const QString& caption, const QString& menu,
                 const QStringList& kinds, int reveal_ms);

    void start() final;
    void cmdgo_Click() final;
    void cmdsoln_Click() final;
    void Timer1_Timer();

    // The chosen kind, 1 to 3 in the order of the options.
    int kind() const;

    SequenceStrip* Strip1;
    OptionButton* Option1;
    OptionButton* Option2;
    OptionButton* Option3;
    Timer* Timer1;

protected:
    // Makes a new problem of the chosen kind and shows it.
    virtual void new_problem() = 0;
    // Shows the next part of the solution; false when none was left to show.
    virtual bool reveal_step() = 0;
    // Runs once, when the whole solution is shown.
    virtual void end_reveal() = 0;
    // A problem is shown afresh: a reveal under way stops, and Solution starts anew.
    void reset_reveal();

private:
    bool solved_ = false;
};

} // namespace shell
