// SPDX-License-Identifier: GPL-3.0-or-later
#include "hailstone_screen.h"

#include "form.h"

#include <algorithm>

namespace chalkline::hailstone {

HailstoneForm::HailstoneForm()
    : SequenceForm("hailstone", tr("Hailstone Numbers"), "menu5",
                   {tr("Start 1 to 30"), tr("Start 1 to 100"), tr("Start 1 to 1000")}, 400) {
    Label2 = add_label(this, {.name = "Label2",
                              .left = 300,
                              .top = 200,
                              .width = 2400,
                              .height = 480,
                              .caption = tr("Start"),
                              .font = {"Tahoma", 18, true}});
    Label3 = add_label(this, {.name = "Label3",
                              .left = 300,
                              .top = 640,
                              .width = 2400,
                              .height = 900,
                              .caption = "",
                              .font = {"Tahoma", 36, true},
                              .fore = shell::kWhite});
    Label1 =
        add_label(this, {.name = "Label1",
                         .left = 3000,
                         .top = 200,
                         .width = 8700,
                         .height = 1300,
                         .caption = tr("Even: halve it.\nOdd: multiply by 3 and add 1.\nStop at 1.")
                                        .replace('\n', QChar::LineSeparator),
                         .font = {"Tahoma", 18, true},
                         .align = Qt::AlignLeft | Qt::AlignVCenter});
    Strip1->move(300, 1650, 11400, 5050);
    // The steps and the highest term, once every term is shown.
    Label4 = add_label(this, {.name = "Label4",
                              .left = 300,
                              .top = 6850,
                              .width = 9600,
                              .height = 650,
                              .caption = "",
                              .font = {"Tahoma", 24, true},
                              .fore = shell::kWhite,
                              .align = Qt::AlignCenter});
}

void HailstoneForm::new_problem() {
    show_start(make_problem(kind_as<Kind>(), random_, start_));
}

// The strip is laid out for the whole sequence at once, so that its boxes keep their
// size as the terms arrive; only the start is in it until Solution.
void HailstoneForm::show_start(int start) {
    stop_reveal();
    start_ = start;
    sequence_ = hailstone_sequence(start);
    QStringList texts;
    for (std::int64_t term : sequence_.terms) {
        texts << QString::number(term);
    }
    Strip1->lay_out(texts);
    Strip1->set_text(0, texts[0]);
    Label3->set_caption(texts[0]);
    Label4->set_caption("");
    set_problem_sentence(tr("the hailstone sequence from %1.").arg(start));
}

void HailstoneForm::fill_term(int term) {
    const int index = term + 1;
    Strip1->set_text(index, QString::number(sequence_.terms[std::size_t(index)]));
    Strip1->set_flash(index);
}

void HailstoneForm::end_reveal() {
    const auto highest =
        std::find(sequence_.terms.begin(), sequence_.terms.end(), sequence_.highest);
    Strip1->set_marked(int(highest - sequence_.terms.begin()));
    const int steps = sequence_.steps;
    const QString top = QString::number(sequence_.highest);
    Label4->set_caption(steps == 1 ? tr("1 step, highest %1").arg(top)
                                   : tr("%n steps, highest %1", nullptr, steps).arg(top));
}

QString HailstoneForm::answer_sentence() const {
    const int steps = sequence_.steps;
    const QString top = QString::number(sequence_.highest);
    const QString terms = QString::fromStdString(terms_text(sequence_));
    return steps == 1 ? tr("%1; 1 step; highest %2.").arg(terms, top)
                      : tr("%1; %n steps; highest %2.", nullptr, steps).arg(terms, top);
}

} // namespace chalkline::hailstone
