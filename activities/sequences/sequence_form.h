// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revealing_form.h"
#include "sequence_strip.h"

#include <QStringList>

namespace chalkline::sequences {

// What the sequence screens share: the strip of terms and a row of kinds below it, on
// the revealing screen. Solution fills in the strip's terms one a tick, the first at
// once, and a tick after the last ends the reveal: the flash goes and end_reveal() shows
// what follows the terms; the answer sentence comes with it.
class SequenceForm : public shell::RevealingForm {
public:
    SequenceForm(const shell::ActivityInfo& activity, int reveal_ms);

    int answer_parts() const final { return terms_to_fill() + 1; }

    SequenceStrip* Strip1;

protected:
    // How many terms Solution fills in.
    virtual int terms_to_fill() const = 0;
    // Fills in the next term (`term` counts them, 0 first) and flashes it.
    virtual void fill_term(int term) = 0;
    // The end of the reveal, a tick after the last term.
    virtual void end_reveal() = 0;

private:
    void show_part(int part) final;
};

} // namespace chalkline::sequences
