// SPDX-License-Identifier: GPL-3.0-or-later
#include "revealing_row_form.h"

namespace shell {

namespace {

// The kind options share the bottom row with the status panel, which starts at 10200.
constexpr double kKindsLeft = 300;
constexpr double kKindsTop = 8100;
constexpr double kKindWidth = 3200;
constexpr double kKindStep = 3300;
constexpr double kKindHeight = 600;
constexpr double kKindPoints = 15.75;

} // namespace

RevealingRowForm::RevealingRowForm(const QString& name, const QString& caption, const QString& menu)
    : ActivityForm(name, caption, menu) {
    RevealTimer = add_timer("RevealTimer", kRevealInterval, false);
    RevealTimer->on_tick = [this] { RevealTimer_Timer(); };
}

void RevealingRowForm::add_kinds(const QStringList& captions) {
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        OptionButton* option = add_option(this, name, captions[i], kKindsLeft + i * kKindStep,
                                          kKindsTop, kKindWidth, kKindHeight, kKindPoints);
        option->on_click = [this, i](int) { choose_kind(i); };
        recoloured << name;
        kind_options.push_back(option);
    }
    kind_options.front()->set_value(true);
}

void RevealingRowForm::start() {
    cmdgo_Click();
}

void RevealingRowForm::choose_kind(int kind) {
    kind_ = kind;
    cmdgo_Click();
}

void RevealingRowForm::cmdgo_Click() {
    RevealTimer->set_enabled(false);
    shown_ = 0;
    new_problem();
}

void RevealingRowForm::cmdsoln_Click() {
    if (shown_ > 0) {
        return;
    }
    show_part(0);
    shown_ = 1;
    if (shown_ == answer_parts()) {
        finish_reveal();
    } else {
        RevealTimer->set_enabled(true);
    }
}

void RevealingRowForm::RevealTimer_Timer() {
    if (shown_ == 0 || shown_ >= answer_parts()) {
        RevealTimer->set_enabled(false);
        return;
    }
    show_part(shown_);
    ++shown_;
    if (shown_ == answer_parts()) {
        finish_reveal();
    }
}

void RevealingRowForm::finish_reveal() {
    RevealTimer->set_enabled(false);
    set_answer_sentence(answer_sentence());
}

LabelSpec text_label(const QString& name, int index, double left, double top, double width,
                     double height, double points, Qt::Alignment align) {
    return {.name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = QString(),
            .font = FontSpec{"Tahoma", points, true},
            .fore = kYellow,
            .align = align};
}

} // namespace shell
