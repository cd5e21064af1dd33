// SPDX-License-Identifier: GPL-3.0-or-later
#include "orderofoperations_screen.h"

namespace chalkline::orderofoperations {

namespace {

using shell::text_label;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

QString text_of(const Expression& e) {
    return QString::fromStdString(expression_text(e));
}

constexpr double kLineTop = 2150;
constexpr double kLineStep = 900;

} // namespace

OrderOfOperationsForm::OrderOfOperationsForm()
    : RevealingForm("orderofoperations", "Order of Operations", "menu3") {
    Label1 = add_label(this, text_label("Label1", -1, 600, 300, 10800, 600, 18, kLeft));
    Label1->set_caption(tr("Work out, doing the operations in the right order:"));
    Label1->set_fore_colour(shell::kWhite);
    Label2 = add_label(this, text_label("Label2", -1, 600, 1000, 10800, 1000, 40, kLeft));
    Label2->set_fore_colour(shell::kWhite);
    for (int i = 0; i < kLines; ++i) {
        Label3[std::size_t(i)] = add_label(
            this, text_label("Label3", i, 1200, kLineTop + i * kLineStep, 10200, 850, 32, kLeft));
    }
    add_kinds({tr("+ - x \u00F7"), tr("Brackets"), tr("Powers")}, shell::kKindsAtTheLowerLeft);
}

void OrderOfOperationsForm::new_problem() {
    for (shell::Label* line : Label3) {
        line->set_visible(false);
    }
    problem_ = make_problem(kind_as<Kind>(), random_, made_ ? &problem_.question : nullptr);
    made_ = true;
    Label2->set_caption(text_of(problem_.question));
    Label2->set_visible(true);
    set_problem_sentence(text_of(problem_.question) + ".");
}

void OrderOfOperationsForm::show_part(int part) {
    shell::Label* line = Label3[std::size_t(part)];
    line->set_caption("= " + text_of(problem_.working[std::size_t(part)]));
    line->set_visible(true);
}

QString OrderOfOperationsForm::answer_sentence() const {
    QStringList lines;
    for (const Expression& line : problem_.working) {
        lines << text_of(line);
    }
    return lines.join(" = ") + ".";
}

} // namespace chalkline::orderofoperations
