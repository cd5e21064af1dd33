// SPDX-License-Identifier: GPL-3.0-or-later
#include "twentyfour_screen.h"

namespace chalkline::twentyfour {

namespace {

using shell::text_label;

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

QString text_of(int n) {
    return QString::number(n);
}

// The boxes of the four numbers, side by side across the screen.
constexpr double kBoxWidth = 2000;
constexpr double kBoxGap = 700;
constexpr double kBoxesLeft = (12000 - 4 * kBoxWidth - 3 * kBoxGap) / 2;

} // namespace

TwentyFourForm::TwentyFourForm() : RevealingForm("twentyfour", "The 24 Puzzle", "menu1") {
    Label1 = add_label(this, text_label("Label1", -1, 600, 300, 10800, 600, 18, kLeft));
    Label1->set_caption(tr("Use each number once, with +, -, x, \u00F7 and brackets, to make"));
    Label1->set_fore_colour(shell::kWhite);
    Label2 = add_label(this, text_label("Label2", -1, 4500, 1000, 3000, 1300, 54));
    Label2->set_fore_colour(shell::kWhite);
    for (int i = 0; i < 4; ++i) {
        Label3[std::size_t(i)] =
            add_label(this, text_label("Label3", i, kBoxesLeft + i * (kBoxWidth + kBoxGap), 2650,
                                       kBoxWidth, 1500, 48));
        Label3[std::size_t(i)]->set_border(true);
        Label3[std::size_t(i)]->set_border_colour(shell::kYellow);
        Label3[std::size_t(i)]->set_border_width(3);
    }
    Label4 = add_label(this, text_label("Label4", -1, 300, 4600, 11400, 1100, 36));
    Label4->set_fore_colour(shell::kWhite);
    Label5 = add_label(this, text_label("Label5", -1, 300, 5800, 11400, 800, 24));
    add_kinds({tr("1 to 9"), tr("1 to 13"), tr("Target 1 to 30")}, shell::kKindsAtTheLowerLeft);
}

void TwentyFourForm::new_problem() {
    Label4->set_visible(false);
    Label5->set_visible(false);
    problem_ = make_problem(kind_as<Kind>(), random_, made_ ? &problem_.puzzle : nullptr);
    made_ = true;
    const Puzzle& p = problem_.puzzle;
    Label2->set_caption(text_of(p.target));
    Label2->set_visible(true);
    for (int i = 0; i < 4; ++i) {
        Label3[std::size_t(i)]->set_caption(text_of(p.numbers[std::size_t(i)]));
        Label3[std::size_t(i)]->set_visible(true);
    }
    set_problem_sentence(tr("make %1 from %2, %3, %4 and %5.")
                             .arg(p.target)
                             .arg(p.numbers[0])
                             .arg(p.numbers[1])
                             .arg(p.numbers[2])
                             .arg(p.numbers[3]));
}

QString TwentyFourForm::solution_text() const {
    return QString::fromStdString(expression_text(problem_.answer.solution)) + " = " +
           text_of(problem_.puzzle.target);
}

void TwentyFourForm::show_part(int part) {
    if (part == 0) {
        Label4->set_caption(solution_text());
        Label4->set_visible(true);
        return;
    }
    const int ways = problem_.answer.ways;
    Label5->set_caption(ways == 1 ? tr("1 way") : tr("%1 ways").arg(ways));
    Label5->set_visible(true);
}

QString TwentyFourForm::answer_sentence() const {
    return solution_text() + ".";
}

} // namespace chalkline::twentyfour
