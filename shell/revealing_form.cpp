// SPDX-License-Identifier: GPL-3.0-or-later
#include "revealing_form.h"

namespace shell {

RevealingForm::RevealingForm(const QString& name, const QString& caption, const QString& menu,
                             int reveal_ms)
    : ActivityForm(name, caption, menu), Timer1(add_timer("Timer1", reveal_ms, false)),
      reveal_(Timer1) {}

void RevealingForm::add_kinds(const QStringList& captions, const KindPlaces& places, Frame* frame) {
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        const double along = i * places.step;
        OptionButton* option = add_option(frame ? static_cast<QWidget*>(frame) : this, name,
                                          captions[i], places.left + (places.across ? along : 0),
                                          places.top + (places.across ? 0 : along), places.width,
                                          places.height, places.points);
        option->on_click = [this](int) { calculate(); };
        recoloured << name;
        kind_options.push_back(option);
    }
    if (!kind_options.empty()) {
        kind_options.front()->set_value(true);
    }
}

int RevealingForm::kind() const {
    for (std::size_t i = 0; i < kind_options.size(); ++i) {
        if (kind_options[i]->value()) {
            return int(i) + 1;
        }
    }
    return 1;
}

void RevealingForm::calculate() {
    reveal_.reset();
    new_problem();
}

void RevealingForm::reveal_at_once() {
    cmdsoln_Click();
    reveal_.finish();
}

void RevealingForm::cmdsoln_Click() {
    reveal_.start(
        answer_parts(), [this](int part) { show_part(part); },
        [this] { set_answer_sentence(answer_sentence()); });
}

} // namespace shell
