// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_form.h"

namespace chalkline::fractionkit {

FractionForm::FractionForm(const QString& name, const QString& caption, const QString& menu,
                           const Kinds& kinds)
    : ActivityForm(name, caption, menu), reveal_(*this, "Timer1") {
    Frame1 = add<shell::Frame>(this, "Frame1");
    Frame1->move(9300, kinds.top, 2650, 1500);
    Frame1->set_border(false);
    std::array<shell::OptionButton*, 3> options{};
    for (int i = 0; i < 3; ++i) {
        options[std::size_t(i)] =
            add_option(Frame1, QString("Option%1").arg(i + 1), kinds.captions[std::size_t(i)], 60,
                       60 + 465 * i, 2560, 435, kinds.font_size);
        options[std::size_t(i)]->on_click = [this](int) { cmdgo_Click(); };
    }
    Option1 = options[0];
    Option2 = options[1];
    Option3 = options[2];
    Option1->set_value(true);
    recoloured = {"Frame1", "Option1", "Option2", "Option3"};
    kind_options = {Option1, Option2, Option3};
}

void FractionForm::start() {
    calculate();
}

void FractionForm::cmdgo_Click() {
    reveal_.stop();
    calculate();
}

int FractionForm::chosen_kind() const {
    return Option2->value() ? 1 : Option3->value() ? 2 : 0;
}

} // namespace chalkline::fractionkit
