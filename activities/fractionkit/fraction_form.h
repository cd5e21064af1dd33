// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "revealing_form.h"

#include <array>

namespace chalkline::fractionkit {

// What the screens of the fraction activities share beyond the revealing screen: three
// kind options in a frame at the right and the clock's random source.
class FractionForm : public shell::RevealingForm {
public:
    struct Kinds {
        std::array<QString, 3> captions;
        double top = 1500;
        double font_size = 12;
    };

    FractionForm(const QString& name, const QString& caption, const QString& menu,
                 const Kinds& kinds);

    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;

protected:
    ClockRandom random_;
};

} // namespace chalkline::fractionkit
