// SPDX-License-Identifier: GPL-3.0-or-later
#include "substitution_screen.h"

namespace chalkline::substitution {

namespace {

using shell::text_label;

constexpr double kRowTop = 2050;
constexpr double kRowStep = 800;

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

SubstitutionForm::SubstitutionForm() : RevealingForm("substitution", "Substitution", "menu2") {
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    Label1 = add_label(this, text_label("Label1", -1, 600, 250, 10800, 600, 18, left));
    Label1->set_caption(tr("Find the value of each expression when"));
    Label1->set_fore_colour(shell::kWhite);
    for (int i = 0; i < 3; ++i) {
        Label2[std::size_t(i)] =
            add_label(this, text_label("Label2", i, 900 + i * 3600, 950, 3000, 900, 32));
        Label2[std::size_t(i)]->set_fore_colour(shell::kWhite);
    }
    for (int k = 0; k < kExpressionCount; ++k) {
        const double top = kRowTop + k * kRowStep;
        Label3[std::size_t(k)] = add_label(this, text_label("Label3", k, 600, top, 5300, 750, 28,
                                                            Qt::AlignRight | Qt::AlignVCenter));
        Label4[std::size_t(k)] =
            add_label(this, text_label("Label4", k, 6000, top, 4000, 750, 28, left));
    }
    add_kinds({tr("Positive Whole Numbers"), tr("Integers"), tr("Decimals")},
              shell::kKindsAtTheLowerLeft);
}

QString SubstitutionForm::expression(int k) const {
    return text_of(algebra_text(problem_.expressions[std::size_t(k)]));
}

QString SubstitutionForm::answer(int k) const {
    return text_of(value_text(problem_.answers[std::size_t(k)]));
}

void SubstitutionForm::new_problem() {
    for (shell::Label* value : Label4) {
        value->set_visible(false);
    }
    problem_ = make_problem(kind_as<Kind>(), random_, made_ ? &problem_ : nullptr);
    made_ = true;
    QStringList values;
    for (int i = 0; i < 3; ++i) {
        const QString value = QString("%1 = %2").arg(
            QChar(kLetters[std::size_t(i)]), text_of(value_text(problem_.values[std::size_t(i)])));
        Label2[std::size_t(i)]->set_caption(value);
        Label2[std::size_t(i)]->set_visible(true);
        values << value;
    }
    QStringList expressions;
    for (int k = 0; k < kExpressionCount; ++k) {
        Label3[std::size_t(k)]->set_caption(expression(k));
        Label3[std::size_t(k)]->set_visible(true);
        expressions << expression(k);
    }
    set_problem_sentence(tr("%1; find %2.").arg(values.join(", "), expressions.join(", ")));
}

void SubstitutionForm::show_part(int part) {
    Label4[std::size_t(part)]->set_caption("= " + answer(part));
    Label4[std::size_t(part)]->set_visible(true);
}

QString SubstitutionForm::answer_sentence() const {
    QStringList answers;
    for (int k = 0; k < kExpressionCount; ++k) {
        answers << expression(k) + " = " + answer(k);
    }
    return answers.join("; ") + ".";
}

} // namespace chalkline::substitution
