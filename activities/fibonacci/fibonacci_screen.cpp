// SPDX-License-Identifier: GPL-3.0-or-later
#include "fibonacci_screen.h"

#include "speech.h"

#include "form.h"

namespace chalkline::fibonacci {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "fibonacci",
    .menu = 5,
    .place = 1,
    .title = QT_TRANSLATE_NOOP("Activities", "The Fibonacci Sequence"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Fibonacci"), QT_TRANSLATE_NOOP("Kinds", "Any Start"),
              QT_TRANSLATE_NOOP("Kinds", "Integers")},
    .code_prefix = "FBN",
    .make = shell::make_screen<FibonacciForm>,
};

FibonacciForm::FibonacciForm() : SequenceForm(kActivity, 600) {
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
    show_terms(make_problem(kind_as<Kind>(), problem_random()));
}

void FibonacciForm::show_terms(const Problem& problem) {
    hide_solution();
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
    set_problem_sentence(
        tr("each term is the sum of the two before it: %1.")
            .arg(shell::speech::words(QString::fromStdString(shown_text(problem)))));
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
    return shell::speech::words(QString::fromStdString(terms_text(problem_->terms))) + '.';
}

} // namespace chalkline::fibonacci
