// SPDX-License-Identifier: GPL-3.0-or-later
#include "substitution_screen.h"

#include "language.h"
#include "speech.h"

namespace chalkline::substitution {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "substitution",
    .menu = 2,
    .place = 2,
    .title = QT_TRANSLATE_NOOP("Activities", "Substitution"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Positive Whole Numbers"),
              QT_TRANSLATE_NOOP("Kinds", "Integers"), QT_TRANSLATE_NOOP("Kinds", "Decimals")},
    .code_prefix = "SUB",
    .make = shell::make_screen<SubstitutionForm>,
};

namespace {

using shell::text_label;

constexpr double kRowTop = 2050;
constexpr double kRowStep = 800;

using shell::text_of;

} // namespace

SubstitutionForm::SubstitutionForm() : RevealingForm(kActivity) {
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
    // At the lower left, with room on their right for a long language's captions.
    shell::KindPlaces places = shell::kKindsAtTheLowerLeft;
    places.width = 5400;
    add_kinds(places);
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
    problem_ = make_problem(kind_as<Kind>(), problem_random());
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
    set_problem_sentence(tr("%1. Find %2.")
                             .arg(shell::speech::words(values.join(", ")),
                                  shell::speech::words(expressions.join(", "))));
}

// Two problems in a row never give a, b and c the same values, whatever the expressions.
QStringList SubstitutionForm::repeat_keys() const {
    QStringList values;
    for (const Fraction& value : problem_.values) {
        values << text_of(value_text(value));
    }
    return {RevealingForm::repeat_keys().front(), "values " + values.join(' ')};
}

void SubstitutionForm::show_part(int part) {
    Label4[std::size_t(part)]->set_caption("= " + answer(part));
    Label4[std::size_t(part)]->set_visible(true);
}

QString SubstitutionForm::answer_sentence() const {
    QStringList answers;
    for (int k = 0; k < kExpressionCount; ++k) {
        answers << shell::speech::words(expression(k) + " = " + answer(k));
    }
    return shell::speech::one_after_another(answers) + ".";
}

} // namespace chalkline::substitution
