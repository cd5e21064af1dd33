// SPDX-License-Identifier: GPL-3.0-or-later
#include "percentages_screen.h"

#include <QStringList>

namespace chalkline::percentages {

namespace {

QString text_of(std::int64_t number) {
    return QString::number(number);
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

const shell::FontSpec kNumberFont{"Tahoma", 26.25, true};
constexpr double kFirstRowTop = 1500;
constexpr double kRowStep = 930;
constexpr double kRowHeight = 780;

} // namespace

PercentagesForm::PercentagesForm()
    : FractionForm(
          "percentages", "Percentages", "menu2",
          {{tr("Of an Amount"), tr("Increase and Decrease"), tr("What Percentage")}, 1500, 9.75}) {
    Label1 = add_label(this, {.name = "Label1",
                              .left = 600,
                              .top = 360,
                              .width = 10800,
                              .height = 800,
                              .caption = "",
                              .font = {"Tahoma", 20.25, true},
                              .align = Qt::AlignLeft | Qt::AlignVCenter});
    for (int i = 0; i < kQuestions; ++i) {
        const double top = kFirstRowTop + i * kRowStep;
        Label2[std::size_t(i)] = add_label(this, {.name = "Label2",
                                                  .index = i,
                                                  .left = 300,
                                                  .top = top,
                                                  .width = 6300,
                                                  .height = kRowHeight,
                                                  .caption = "",
                                                  .font = kNumberFont,
                                                  .align = Qt::AlignRight | Qt::AlignVCenter});
        Label3[std::size_t(i)] = add_label(this, {.name = "Label3",
                                                  .index = i,
                                                  .left = 6600,
                                                  .top = top,
                                                  .width = 600,
                                                  .height = kRowHeight,
                                                  .caption = "=",
                                                  .font = kNumberFont,
                                                  .align = Qt::AlignCenter});
        Label4[std::size_t(i)] = fractionkit::add_number_label(*this, this,
                                                               {.name = "Label4",
                                                                .index = i,
                                                                .left = 7200,
                                                                .top = top,
                                                                .width = 2100,
                                                                .height = kRowHeight,
                                                                .caption = "",
                                                                .font = kNumberFont,
                                                                .visible = false});
    }
}

void PercentagesForm::new_problem() {
    const Questions previous = questions_;
    questions_ = make_problem(kind_as<Kind>(), random_, &previous);
    const QString instructions[] = {tr("Work out each percentage of the amount."),
                                    tr("Increase or decrease each amount by the percentage."),
                                    tr("Write each as a percentage.")};
    Label1->set_caption(instructions[kind()]);
    for (int i = 0; i < kQuestions; ++i) {
        const Question& question = questions_[std::size_t(i)];
        Label2[std::size_t(i)]->set_caption(question_text(question));
        Label4[std::size_t(i)]->set_caption(text_of(answer_text(question)));
        Label4[std::size_t(i)]->set_visible(false);
    }
    set_problem_sentence(reading(false));
}

// The answers one at a time, from the top.
void PercentagesForm::show_part(int part) {
    Label4[std::size_t(part)]->set_visible(true);
}

QString PercentagesForm::answer_sentence() const {
    return reading(true);
}

QString PercentagesForm::question_text(const Question& question) const {
    const QString percent = text_of(percent_text_of(question));
    const QString amount = text_of(question.amount);
    switch (question.kind) {
    case Kind::OfAnAmount:
        return tr("%1 of %2").arg(percent, amount);
    case Kind::IncreaseAndDecrease:
        return question.increase ? tr("%1 increased by %2").arg(amount, percent)
                                 : tr("%1 decreased by %2").arg(amount, percent);
    case Kind::WhatPercentage:
        return tr("%1 out of %2").arg(text_of(part(question)), amount);
    }
    return {};
}

// "35% of 240; 12.5% of 56; ..." and, solved, "35% of 240 = 84; 12.5% of 56 = 7; ...".
QString PercentagesForm::reading(bool solved) const {
    QStringList parts;
    for (int i = 0; i < kQuestions; ++i) {
        const QString question = Label2[std::size_t(i)]->caption();
        parts << (solved ? question + " = " + Label4[std::size_t(i)]->caption() : question);
    }
    return parts.join("; ") + '.';
}

} // namespace chalkline::percentages
