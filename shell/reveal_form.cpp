// SPDX-License-Identifier: GPL-3.0-or-later
#include "reveal_form.h"

#include <algorithm>

namespace shell {

RevealForm::RevealForm(const QString& name, const QString& caption, const QString& menu)
    : ActivityForm(name, caption, menu) {
    Timer1 = add_timer("Timer1", kRevealInterval, false);
    Timer1->on_tick = [this] { Timer1_Timer(); };
}

void RevealForm::start() {
    if (!kind_options.empty()) {
        kind_options.front()->set_value(true);
    }
    cmdgo_Click();
}

void RevealForm::cmdgo_Click() {
    Timer1->set_enabled(false);
    shown_ = 0;
    hide_answer();
    make_problem();
}

void RevealForm::cmdsoln_Click() {
    if (shown_ > 0) {
        return;
    }
    show_next_part();
    if (shown_ < answer_parts()) {
        Timer1->set_enabled(true);
    }
}

void RevealForm::Timer1_Timer() {
    show_next_part();
    if (shown_ >= answer_parts()) {
        Timer1->set_enabled(false);
    }
}

void RevealForm::show_next_part() {
    if (shown_ >= answer_parts()) {
        return;
    }
    show_part(shown_++);
    if (shown_ == answer_parts()) {
        set_answer_sentence(answer_sentence());
    }
}

int RevealForm::kind() const {
    const auto chosen = std::find_if(kind_options.begin(), kind_options.end(),
                                     [](const OptionButton* option) { return option->value(); });
    return chosen == kind_options.end() ? 0 : int(chosen - kind_options.begin());
}

void RevealForm::add_kinds(const QStringList& captions) {
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("Option%1").arg(i + 1);
        OptionButton* option =
            add_option(this, name, captions[i], 450, 7050 + 520.0 * i, 4200, 480, 12);
        option->on_click = [this](int) { cmdgo_Click(); };
        kind_options.push_back(option);
        recoloured << name;
    }
}

Label* RevealForm::add_instruction(const QString& name, const QString& text, double left,
                                   double top, double width, double height) {
    return add_label(this, {.name = name,
                            .left = left,
                            .top = top,
                            .width = width,
                            .height = height,
                            .caption = text,
                            .font = FontSpec{"Tahoma", 18, true},
                            .fore = kWhite,
                            .align = Qt::AlignLeft | Qt::AlignVCenter});
}

Label* RevealForm::add_numbers(QWidget* parent, const QString& name, double left, double top,
                               double width, double height, double font_size, Qt::Alignment align) {
    return add_label(parent, {.name = name,
                              .left = left,
                              .top = top,
                              .width = width,
                              .height = height,
                              .caption = {},
                              .font = FontSpec{"Tahoma", font_size, true},
                              .fore = kYellow,
                              .align = align,
                              .visible = false});
}

} // namespace shell
