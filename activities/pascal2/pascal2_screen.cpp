// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal2_screen.h"

#include "speech.h"
#include "triangle.h"

#include <algorithm>

namespace chalkline::pascal2 {

// The activity's record: its place on the menus, its title, kinds and code prefix.
const shell::ActivityInfo kActivity{
    .screen = "pascal2",
    .menu = 5,
    .place = 0,
    .title = QT_TRANSLATE_NOOP("Activities", "Pascal's Triangle 2"),
    .kinds = {QT_TRANSLATE_NOOP("Kinds", "16 rows"), QT_TRANSLATE_NOOP("Kinds", "32 rows"),
              QT_TRANSLATE_NOOP("Kinds", "64 rows")},
    .code_prefix = "PSB",
    .make = shell::make_screen<Pascal2Form>,
};

using boards::BoxLook;

namespace {

// Boxes wide enough for four digits.
constexpr double kBoxShape = 1.8;

} // namespace

Pascal2Form::Pascal2Form() : BoardForm(kActivity) {
    Label1->set_font_spec({"Tahoma", 24, true});
    Label1->move(165, 150, 4200, 1500);
    // The triangle stands above the status panel across the whole screen, the status
    // line below it.
    Board1->move(120, 150, 11760, 6600);
    Label2->move(165, 6950, 9900, 700);
    // The triangle's last row comes down to the status panel: the code stands left of the
    // panel, level with Exit.
    LabelCode->move(8300, 8245, 1730, 255);
}

void Pascal2Form::new_problem() {
    // The count of multiples stays hidden until the Solution reaches the last row.
    Label2->set_visible(false);
    question_ = make_problem(kind_as<Kind>(), problem_random());
    std::vector<QString> numbers;
    for (const std::string& text : number_texts(question_.rows)) {
        numbers.push_back(QString::fromStdString(text));
    }
    Board1->set_rows(question_.rows, kBoxShape);
    Board1->set_numbers(std::move(numbers));
    Board1->setAccessibleName(tr("Pascal's triangle, rows 0 to %1").arg(question_.rows - 1));
    Label1->set_caption(tr("Which numbers are multiples of %1?").arg(question_.divisor));
    // Read without its question mark, which after a number would be heard as a hidden digit.
    Label1->setAccessibleName(shell::speech::words(Label1->caption().chopped(1)));
    // Not a question: a voice drops a question mark, and after a number it could be taken
    // for a hidden digit.
    set_problem_sentence(tr("find the multiples of %1 in rows 0 to %2 of Pascal's triangle.")
                             .arg(question_.divisor)
                             .arg(question_.rows - 1));
}

int Pascal2Form::answer_parts() const {
    const int step = rows_per_part(question_.rows);
    return (question_.rows + step - 1) / step;
}

void Pascal2Form::show_part(int part) {
    const int step = rows_per_part(question_.rows);
    const int first = boards::cell_count(part * step);
    const int end = boards::cell_count(std::min(question_.rows, (part + 1) * step));
    for (int cell = first; cell < end; ++cell) {
        if (question_.multiple[std::size_t(cell)]) {
            Board1->set_look(cell, BoxLook::Marked);
        }
    }
    if (part + 1 == answer_parts()) {
        Label2->set_caption(multiples_text());
        Label2->set_visible(true);
    }
}

// Two questions in a row never ask for multiples of one divisor, whatever their rows.
QStringList Pascal2Form::repeat_keys() const {
    return {BoardForm::repeat_keys().front(), QString("divisor %1").arg(question_.divisor)};
}

QString Pascal2Form::multiples_text() const {
    return tr("%1 of the %2 numbers are multiples of %3.")
        .arg(question_.multiples)
        .arg(question_.multiple.size())
        .arg(question_.divisor);
}

QString Pascal2Form::answer_sentence() const {
    // The pattern the marked boxes draw, heard as the count of multiples in each row.
    QStringList counts;
    for (int row = 0; row < question_.rows; ++row) {
        const auto first = question_.multiple.begin() + boards::cell_count(row);
        counts << QString::number(std::count(first, first + row + 1, true));
    }
    return multiples_text() + ' ' +
           tr("Multiples in each row from row 0: %1.").arg(counts.join(", "));
}

} // namespace chalkline::pascal2
