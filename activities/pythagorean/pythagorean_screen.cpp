// SPDX-License-Identifier: GPL-3.0-or-later
#include "pythagorean_screen.h"

#include "form.h"

namespace chalkline::pythagorean {

namespace {

const shell::FontSpec kNumberFont{"Tahoma", 28, true};
const shell::FontSpec kHeaderFont{"Tahoma", 24, true};

constexpr double kHeaderTop = 1500, kHeaderHeight = 650;
constexpr double kRowTop = kHeaderTop + kHeaderHeight, kRowHeight = 800;
constexpr double kPairWidth = 1100, kTripleWidth = 1900;

} // namespace

Form::Form() : RevealingForm("pythagorean", tr("Pythagorean Triples"), "menu3") {
    instruction = add_label(this, {.name = "instruction",
                                   .left = 600,
                                   .top = 240,
                                   .width = 10800,
                                   .height = 1000,
                                   .caption = "",
                                   .font = {"Tahoma", 18, true},
                                   .align = Qt::AlignLeft | Qt::AlignTop});
    for (int c = 0; c < kColumns; ++c) {
        header[std::size_t(c)] = add_label(this, {.name = "header",
                                                  .index = c,
                                                  .top = kHeaderTop,
                                                  .height = kHeaderHeight,
                                                  .caption = "",
                                                  .font = kHeaderFont,
                                                  .align = Qt::AlignCenter});
        for (int r = 0; r < kRows; ++r) {
            cell[std::size_t(r)][std::size_t(c)] =
                add_label(this, {.name = QString("cell%1").arg(r),
                                 .index = c,
                                 .top = kRowTop + r * kRowHeight,
                                 .height = kRowHeight,
                                 .caption = "",
                                 .font = kNumberFont,
                                 .border = true,
                                 .align = Qt::AlignCenter});
            cell[std::size_t(r)][std::size_t(c)]->set_border_colour(shell::kYellow);
        }
    }

    add_kinds({tr("Primitive"), tr("Multiples"), tr("Euclid's Formula")},
              {.left = 9250, .top = 2000, .width = 2650});
}

// The triple's three columns; on Euclid's Formula m and n stand before them, narrower.
void Form::lay_out_columns(bool euclid) {
    const double left = euclid ? 600 : 1500;
    const double pairs = euclid ? 2 * kPairWidth : 0;
    for (int c = 0; c < kColumns; ++c) {
        const bool pair = c < 2;
        const double x = pair ? left + c * kPairWidth : left + pairs + (c - 2) * kTripleWidth;
        const double width = pair ? kPairWidth : kTripleWidth;
        header[std::size_t(c)]->set_left(x);
        header[std::size_t(c)]->set_width(width);
        header[std::size_t(c)]->set_visible(euclid || !pair);
        for (int r = 0; r < kRows; ++r) {
            shell::Label* box = cell[std::size_t(r)][std::size_t(c)];
            box->set_left(x);
            box->set_width(width);
            box->set_visible(euclid || !pair);
        }
    }
    const QStringList captions = euclid ? QStringList{"m", "n", "m² - n²", "2mn", "m² + n²"}
                                        : QStringList{"", "", "a", "b", "c"};
    for (int c = 0; c < kColumns; ++c) {
        header[std::size_t(c)]->set_caption(captions[c]);
    }
}

void Form::new_problem() {
    problem_ = make_problem(kind_as<Kind>(), random_, problem_);
    const bool euclid = problem_.kind == Kind::Euclid;
    lay_out_columns(euclid);
    instruction->set_caption(
        problem_.kind == Kind::Primitive
            ? tr("Fill in the missing numbers. Each row is a primitive Pythagorean triple: "
                 "a² + b² = c² with a < b < c ≤ 100 and no common factor.")
        : problem_.kind == Kind::Multiples
            ? tr("Fill in the missing numbers. Each row is a multiple of a primitive "
                 "Pythagorean triple: a² + b² = c² with a < b < c ≤ 100.")
            : tr("Use Euclid's formula to find the Pythagorean triple that m and n make."));
    QStringList rows;
    for (int r = 0; r < kRows; ++r) {
        const Row& row = problem_.rows[std::size_t(r)];
        auto& line = cell[std::size_t(r)];
        line[0]->set_caption(QString::number(row.m));
        line[1]->set_caption(QString::number(row.n));
        for (std::size_t i = 0; i < 3; ++i) {
            line[i + 2]->set_caption(row.hidden[i] ? "?" : QString::number(row.numbers[i]));
            line[i + 2]->set_fore_colour(shell::kYellow);
        }
        rows << row_sentence(row, false);
    }
    set_problem_sentence(rows.join("; ") + '.');
}

QString Form::row_sentence(const Row& row, bool reveal) const {
    const QString numbers = QString::fromStdString(row_text(row, reveal));
    if (problem_.kind != Kind::Euclid || reveal) {
        return numbers;
    }
    return tr("m = %1, n = %2: %3").arg(row.m).arg(row.n).arg(numbers);
}

// The row's hidden numbers written in, white beside the yellow of those given.
void Form::show_part(int r) {
    const Row& row = problem_.rows[std::size_t(r)];
    for (std::size_t i = 0; i < 3; ++i) {
        if (row.hidden[i]) {
            shell::Label* box = cell[std::size_t(r)][i + 2];
            box->set_caption(QString::number(row.numbers[i]));
            box->set_fore_colour(shell::kWhite);
        }
    }
}

QString Form::answer_sentence() const {
    QStringList rows;
    for (const Row& row : problem_.rows) {
        rows << row_sentence(row, true);
    }
    return rows.join("; ") + '.';
}

} // namespace chalkline::pythagorean
