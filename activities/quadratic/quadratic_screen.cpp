// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic_screen.h"

#include "accessibility.h"

namespace chalkline::quadratic {

namespace {

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

// The working of the check lines up on its "=" signs, at this place across the screen.
constexpr double kEquals = 4900;
constexpr double kRight = 11700;

} // namespace

QuadraticForm::QuadraticForm() : RevealingForm("quadratic", tr("Quadratic Factors"), "menu4") {
    using shell::text_label;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    Instruction = add_label(this, text_label("Instruction", -1, 300, 300, 11400, 650, 21.75));
    Instruction->set_caption(tr("Factorise"));
    Quadratic = add_label(this, text_label("Quadratic", -1, 300, 1000, 11400, 1300, 48));
    Factors = add_label(this, text_label("Factors", -1, 300, 2450, 11400, 1100, 40));
    CheckCaption =
        add_label(this, text_label("CheckCaption", -1, 300, 3900, 11400, 650, 21.75, left));
    CheckCaption->set_caption(tr("Check by multiplying out:"));
    CheckFactors =
        add_label(this, text_label("CheckFactors", -1, 300, 4650, kEquals - 450, 800, 24, right));
    CheckExpansion = add_label(
        this, text_label("CheckExpansion", -1, kEquals, 4650, kRight - kEquals, 800, 24, left));
    CheckResult = add_label(
        this, text_label("CheckResult", -1, kEquals, 5450, kRight - kEquals, 800, 24, left));
    // The screen reader reads the factors without the "=" that leads them on the screen.
    shell::set_reader_traits(Factors, {.name = [this] { return text_of(factors_text(problem_)); }});

    add_kinds({tr("x² + bx + c"), tr("With Negatives"), tr("ax² + bx + c")},
              shell::kKindsAlongTheBottom);
}

void QuadraticForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, has_problem_ ? &problem_ : nullptr);
    has_problem_ = true;
    const QString quadratic = text_of(quadratic_text(problem_));
    const QString factors = text_of(factors_text(problem_));
    Quadratic->set_caption(quadratic);
    Factors->set_caption("= " + factors);
    CheckFactors->set_caption(factors);
    CheckExpansion->set_caption("= " + text_of(expansion_text(problem_)));
    CheckResult->set_caption("= " + quadratic);
    for (shell::Label* hidden :
         {Factors, CheckCaption, CheckFactors, CheckExpansion, CheckResult}) {
        hidden->set_visible(false);
    }
    set_problem_sentence(tr("factorise %1.").arg(quadratic));
}

void QuadraticForm::show_part(int part) {
    if (part == 0) {
        Factors->set_visible(true);
        return;
    }
    for (shell::Label* check : {CheckCaption, CheckFactors, CheckExpansion, CheckResult}) {
        check->set_visible(true);
    }
}

QString QuadraticForm::answer_sentence() const {
    return tr("%1.").arg(text_of(factors_text(problem_)));
}

} // namespace chalkline::quadratic
