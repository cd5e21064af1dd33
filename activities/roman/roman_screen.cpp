// SPDX-License-Identifier: GPL-3.0-or-later
#include "roman_screen.h"

#include "accessibility.h"
#include "speech.h"

#include <QRegularExpression>

namespace chalkline::roman {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "roman",
    .menu = 4,
    .place = 4,
    .title = QT_TRANSLATE_NOOP("Activities", "Roman Arithmetic"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "Convert"), QT_TRANSLATE_NOOP("Kinds", "Add and Subtract"),
              QT_TRANSLATE_NOOP("Kinds", "Multiply")},
    .code_prefix = "RMN",
    .make = shell::make_screen<RomanForm>,
};

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

// A question or answer as heard: each numeral spelled ("Roman X I V"), so that the voice
// neither reads it as a word nor gives its value away, and the signs as words.
QString spoken(const QString& shown) {
    static const QRegularExpression numeral("^[IVXLCDM]+$");
    QStringList words;
    for (const QString& token : shown.split(' ', Qt::SkipEmptyParts)) {
        words << (numeral.match(token).hasMatch() ? shell::speech::roman(token)
                                                  : shell::speech::words(token));
    }
    return words.join(' ');
}

} // namespace

RomanForm::RomanForm() : RevealingForm(kActivity) {
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
        for (shell::Label* numerals : {Question[std::size_t(row)], Answer[std::size_t(row)]}) {
            shell::set_reader_traits(numerals,
                                     {.name = [numerals] { return spoken(numerals->caption()); }});
        }
    }
    add_kinds(shell::kKindsAlongTheBottom);
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
    problem_ = make_problem(kind_as<Kind>(), problem_random());
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
        questions << spoken(question(row));
    }
    set_problem_sentence(tr("%1.").arg(shell::speech::one_after_another(questions)));
}

// No question of a problem comes again in the next.
QStringList RomanForm::repeat_keys() const {
    QStringList keys;
    for (int row = 0; row < kQuestions; ++row) {
        keys << question(row);
    }
    return keys;
}

void RomanForm::show_part(int part) {
    Answer[std::size_t(part)]->set_visible(true);
    Ours[std::size_t(part)]->set_visible(true);
}

QString RomanForm::answer_sentence() const {
    QStringList rows;
    for (int row = 0; row < kQuestions; ++row) {
        const QString beside = Ours[std::size_t(row)]->caption();
        rows << spoken(QString("%1 = %2").arg(question(row), answer(row)) +
                       (beside.isEmpty() ? "" : " " + beside));
    }
    return tr("%1.").arg(shell::speech::one_after_another(rows));
}

} // namespace chalkline::roman
