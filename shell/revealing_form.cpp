// SPDX-License-Identifier: GPL-3.0-or-later
#include "revealing_form.h"

namespace shell {

namespace {

constexpr double kOptionHeight = 450;
constexpr double kOptionStep = 500;
constexpr double kOptionFont = 12;

} // namespace

RevealingForm::RevealingForm(const QString& name, const QString& caption, const QString& menu)
    : ActivityForm(name, caption, menu),
      Timer1(add_timer("Timer1", Reveal::kRevealInterval, false)), reveal_(Timer1) {}

void RevealingForm::add_kinds(const QStringList& captions, double left, double top, double width) {
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        OptionButton* option = add_option(this, name, captions[i], left, top + i * kOptionStep,
                                          width, kOptionHeight, kOptionFont);
        option->on_click = [this](int) { calculate(); };
        recoloured << name;
        kind_options.push_back(option);
    }
    kind_options.front()->set_value(true);
}

int RevealingForm::kind_index() const {
    for (std::size_t i = 0; i < kind_options.size(); ++i) {
        if (kind_options[i]->value()) {
            return int(i);
        }
    }
    return 0;
}

void RevealingForm::calculate() {
    reveal_.reset();
    new_problem();
}

void RevealingForm::cmdsoln_Click() {
    reveal_.start(
        answer_parts(), [this](int part) { show_answer_part(part); },
        [this] { set_answer_sentence(answer_text()); });
}

} // namespace shell
