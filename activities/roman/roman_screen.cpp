// SPDX-License-Identifier: GPL-3.0-or-later
#include "roman_screen.h"

#include "accessibility.h"

namespace chalkline::roman {

namespace {

constexpr double kFirstRow = 800;
constexpr double kRowStep = 1000;
constexpr double kRowHeight = 850;
constexpr double kLeft = 300;
constexpr double kRight = 11900;
constexpr double kEqualsWidth = 700;
constexpr double kNumberPoints = 24;

// Where the "=" of every row stands, and where our number beside the answer starts.
struct Columns {
    double equals;
    double ours;
};
constexpr Columns kConvertColumns{5700, kRight};
constexpr Columns kWorkingColumns{6000, 9950};

} // namespace

RomanForm::RomanForm() : RevealingForm("roman", tr("Roman Arithmetic"), "menu4") {
    using shell::text_label;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    Instruction = add_label(this, text_label("Instruction", -1, kLeft, 150, 11400, 550, 21.75));
    for (int row = 0; row < kQuestions; ++row) {
        const double top = kFirstRow + row * kRowStep;
        const auto label = [&](const char* name, Qt::Alignment align) {
            return add_label(
                this, text_label(name, row, kLeft, top, 1000, kRowHeight, kNumberPoints, align));
        };
        Question[std::size_t(row)] = label("Question", Qt::AlignRight | Qt::AlignVCenter);
        Equals[std::size_t(row)] = label("Equals", Qt::AlignHCenter | Qt::AlignVCenter);
        Answer[std::size_t(row)] = label("Answer", left);
        Ours[std::size_t(row)] = label("Ours", left);
        Equals[std::size_t(row)]->set_caption("=");
        shell::set_reader_traits(Equals[std::size_t(row)], {.passed_over = true});
    }
    add_kinds({tr("Convert"), tr("Add and Subtract"), tr("Multiply")}, shell::kKindsAlongTheBottom);
}

void RomanForm::place_columns() {
    const Columns columns = problem_.kind == Kind::Convert ? kConvertColumns : kWorkingColumns;
    for (int row = 0; row < kQuestions; ++row) {
        const auto i = std::size_t(row);
        const double top = kFirstRow + row * kRowStep;
        const double answer = columns.equals + kEqualsWidth;
        Question[i]->move(kLeft, top, columns.equals - kLeft, kRowHeight);
        Equals[i]->move(columns.equals, top, kEqualsWidth, kRowHeight);
        Answer[i]->move(answer, top, columns.ours - answer, kRowHeight);
        Ours[i]->move(columns.ours, top, kRight - columns.ours, kRowHeight);
    }
}

QString RomanForm::question(int row) const {
    return QString::fromStdString(question_text(problem_.questions[std::size_t(row)]));
}

QString RomanForm::answer(int row) const {
    return QString::fromStdString(answer_text(problem_.questions[std::size_t(row)]));
}

void RomanForm::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, has_problem_ ? &problem_ : nullptr);
    has_problem_ = true;
    Instruction->set_caption(problem_.kind == Kind::Convert
                                 ? tr("Write each number the other way")
                                 : tr("Work out each answer in Roman numerals"));
    place_columns();
    QStringList questions;
    for (int row = 0; row < kQuestions; ++row) {
        const auto i = std::size_t(row);
        Question[i]->set_caption(question(row));
        Answer[i]->set_caption(answer(row));
        const bool beside = problem_.kind != Kind::Convert;
        Ours[i]->set_caption(beside ? QString("(%1)").arg(problem_.questions[i].answer()) : "");
        Answer[i]->set_visible(false);
        Ours[i]->set_visible(false);
        questions << question(row);
    }
    set_problem_sentence(tr("%1.").arg(questions.join("; ")));
}

void RomanForm::show_part(int part) {
    Answer[std::size_t(part)]->set_visible(true);
    Ours[std::size_t(part)]->set_visible(true);
}

QString RomanForm::answer_sentence() const {
    QStringList rows;
    for (int row = 0; row < kQuestions; ++row) {
        const QString beside = Ours[std::size_t(row)]->caption();
        rows << QString("%1 = %2").arg(question(row), answer(row)) +
                    (beside.isEmpty() ? "" : " " + beside);
    }
    return tr("%1.").arg(rows.join("; "));
}

} // namespace chalkline::roman
