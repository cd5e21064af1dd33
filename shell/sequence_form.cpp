// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence_form.h"

namespace shell {

namespace {

constexpr double kKindsTop = 7750;
constexpr double kKindWidth = 3000;
constexpr double kKindStep = 3150;
constexpr double kKindPoints = 15.75;

} // namespace

SequenceForm::SequenceForm(const QString& name, const QString& caption, const QString& menu,
                           const QStringList& kinds, int reveal_ms)
    : ActivityForm(name, caption, menu) {
    Strip1 = add<SequenceStrip>(this, "Strip1");
    for (int i = 0; i < 3; ++i) {
        const QString option = QString("Option%1").arg(i + 1);
        kind_options.push_back(add_option(this, option, kinds.value(i), 300 + i * kKindStep,
                                          kKindsTop, kKindWidth, 540, kKindPoints));
        kind_options.back()->on_click = [this](int) { cmdgo_Click(); };
        recoloured << option;
    }
    Option1 = kind_options[0];
    Option2 = kind_options[1];
    Option3 = kind_options[2];
    Option1->set_value(true);
    Timer1 = add_timer("Timer1", reveal_ms, false);
    Timer1->on_tick = [this] { Timer1_Timer(); };
}

void SequenceForm::start() {
    cmdgo_Click();
}

void SequenceForm::cmdgo_Click() {
    reset_reveal();
    new_problem();
}

void SequenceForm::cmdsoln_Click() {
    if (solved_ || Timer1->enabled()) {
        return;
    }
    Timer1->set_enabled(true);
    Timer1_Timer();
}

void SequenceForm::Timer1_Timer() {
    if (reveal_step()) {
        return;
    }
    Timer1->set_enabled(false);
    solved_ = true;
    end_reveal();
}

int SequenceForm::kind() const {
    return Option3->value() ? 3 : Option2->value() ? 2 : 1;
}

void SequenceForm::reset_reveal() {
    Timer1->set_enabled(false);
    solved_ = false;
}

} // namespace shell
