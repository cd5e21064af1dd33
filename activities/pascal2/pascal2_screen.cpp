// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal2_screen.h"

#include "triangle.h"

namespace chalkline::pascal2 {

using boards::BoxLook;

namespace {

// Boxes wide enough for four digits.
constexpr double kBoxShape = 1.8;

} // namespace

Pascal2Form::Pascal2Form()
    : BoardForm("pascal2", tr("Pascal's Triangle 2"), "menu5",
                {tr("16 rows"), tr("32 rows"), tr("64 rows")}) {
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
    question_ = make_problem(kind_as<Kind>(), random_, question_.divisor);
    std::vector<QString> numbers;
    for (const std::string& text : number_texts(question_.rows)) {
        numbers.push_back(QString::fromStdString(text));
    }
    Board1->set_rows(question_.rows, kBoxShape);
    Board1->set_numbers(std::move(numbers));
    Board1->setAccessibleName(tr("Pascal's triangle, rows 0 to %1").arg(question_.rows - 1));
    Label1->set_caption(tr("Which numbers are multiples of %1?").arg(question_.divisor));
    set_problem_sentence(tr("which numbers in rows 0 to %1 of Pascal's triangle are "
                            "multiples of %2?")
                             .arg(question_.rows - 1)
                             .arg(question_.divisor));
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
        Label2->set_caption(answer_sentence());
        Label2->set_visible(true);
    }
}

QString Pascal2Form::answer_sentence() const {
    return tr("%1 of the %2 numbers are multiples of %3.")
        .arg(question_.multiples)
        .arg(question_.multiple.size())
        .arg(question_.divisor);
}

} // namespace chalkline::pascal2
