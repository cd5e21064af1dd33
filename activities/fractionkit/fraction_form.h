// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "random.h"
#include "reveal.h"

#include <array>

namespace chalkline::fractionkit {

// What the screens of the fraction activities share beyond the activity frame: three
// kind options in a frame at the right (the first chosen when the screen opens, a click
// on one making a new problem of it), the clock's random source, and the timed reveal of
// the Solution on "Timer1". Go and each kind stop a reveal and make a new problem.
class FractionForm : public shell::ActivityForm {
public:
    struct Kinds {
        std::array<QString, 3> captions;
        double top = 1500;
        double font_size = 12;
    };

    FractionForm(const QString& name, const QString& caption, const QString& menu,
                 const Kinds& kinds);

    void start() override;
    void cmdgo_Click() override;

    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;

protected:
    // The place of the chosen kind's option: 0, 1 or 2.
    int chosen_kind() const;
    // Makes a new problem of the chosen kind and shows it.
    virtual void calculate() = 0;

    Reveal reveal_;
    ClockRandom random_;
};

} // namespace chalkline::fractionkit
