// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_form.h"

namespace chalkline::fractionkit {

FractionForm::FractionForm(const shell::ActivityInfo& activity, const KindFrame& kinds)
    : RevealingForm(activity) {
    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(9300, kinds.top, 2650, 1500);
    Frame1->set_border(false);
    recoloured << "Frame1";
    add_kinds({.left = 60,
               .top = 60,
               .width = 2560,
               .height = 435,
               .step = 465,
               .points = kinds.font_size},
              Frame1);
    Option1 = kind_options.at(0);
    Option2 = kind_options.at(1);
    Option3 = kind_options.at(2);
}

} // namespace chalkline::fractionkit
