// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revealing_form.h"

namespace chalkline::fractionkit {

// Where the frame of kinds stands on a fraction screen, and the size of their captions.
struct KindFrame {
    double top = 1500;
    double font_size = 12;
};

// What the screens of the fraction activities share beyond the revealing screen: three
// kind options in a frame at the right.
class FractionForm : public shell::RevealingForm {
public:
    explicit FractionForm(const shell::ActivityInfo& activity, const KindFrame& kinds = {});

    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
};

} // namespace chalkline::fractionkit
