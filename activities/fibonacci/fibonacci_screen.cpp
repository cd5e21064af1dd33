// SPDX-License-Identifier: GPL-3.0-or-later
#include "fibonacci_screen.h"

#include "form.h"

namespace chalkline::fibonacci {

FibonacciForm::FibonacciForm()
    : SequenceForm("fibonacci", tr("The Fibonacci Sequence"), "menu5",
                   {tr("Fibonacci"), tr("Any Start"), tr("Integers")}, 600) {
    Label1 = add_label(this, {.name = "Label1",
                              .left = 300,
                              .top = 330,
                              .width = 11400,
                              .height = 660,
                              .caption = tr("Each term is the sum of the two before it."),
                              .font = {"Tahoma", 20.25, true},
                              .align = Qt::AlignCenter});
    Strip1->move(300, 1200, 11400, 4500);
    // The working of the term just filled.
    Label2 = add_label(this, {.name = "Label2",
                              .left = 300,
                              .top = 5900,
                              .width = 9600,
                              .height = 1000,
                              .caption = "",
                              .font = {"Tahoma", 27.75, true},
                              .fore = shell::kWhite,
                              .align = Qt::AlignCenter});
}

void FibonacciForm::new_problem() {
    show_problem(make_problem(kind_as<Kind>(), random_, problem_ ? &*problem_ : nullptr));
}

void FibonacciForm::show_problem(const Problem& problem) {
    stop_reveal();
    problem_ = problem;
    steps_ = work_out(shown_terms(problem)).value();
    QStringList texts;
    for (std::int64_t term : problem.terms) {
        texts << QString::number(term);
    }
    Strip1->lay_out(texts);
    for (int k = 0; k < kTermCount; ++k) {
        Strip1->set_text(k, problem.hidden[k] ? QString("?") : texts[k]);
    }
    Label2->set_caption("");
    set_problem_sentence(tr("each term is the sum of the two before it: %1.")
                             .arg(QString::fromStdString(shown_text(problem))));
}

void FibonacciForm::fill_term(int term) {
    const Step& step = steps_[std::size_t(term)];
    Strip1->set_text(step.position, QString::number(step.value));
    Strip1->set_flash(step.position);
    Label2->set_caption(QString::fromStdString(step_text(step, problem_->terms)));
}

void FibonacciForm::end_reveal() {
    Label2->set_caption("");
}

QString FibonacciForm::answer_sentence() const {
    return QString::fromStdString(terms_text(problem_->terms)) + '.';
}

} // namespace chalkline::fibonacci
