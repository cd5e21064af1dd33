// SPDX-License-Identifier: GPL-3.0-or-later
#include "fdp_screen.h"

#include <QStringList>

namespace chalkline::fdp {

namespace {

constexpr double kTableLeft = 300;
constexpr double kColumnWidth = 2950;
constexpr double kFirstRowTop = 800;
constexpr double kRowStep = 1360;
// Room for a fraction stacked at 24 points inside the border, at every scale.
constexpr double kRowHeight = 1340;

} // namespace

FdpForm::FdpForm()
    : FractionForm("fdp", "Fractions, Decimals and Percentages", "menu3",
                   {{tr("Simple"), tr("Harder"), tr("Over One")}, 2300}) {
    const QString headings[] = {tr("Fraction"), tr("Decimal"), tr("Percentage")};
    for (int column = 0; column < kColumns; ++column) {
        const double left = kTableLeft + column * kColumnWidth;
        Label2[std::size_t(column)] = add_label(this, {.name = "Label2",
                                                       .index = column,
                                                       .left = left,
                                                       .top = 220,
                                                       .width = kColumnWidth,
                                                       .height = 550,
                                                       .caption = headings[column],
                                                       .font = {"Tahoma", 20.25, true},
                                                       .align = Qt::AlignCenter});
        for (int row = 0; row < kRows; ++row) {
            Label3[std::size_t(row * kColumns + column)] =
                fractionkit::add_number_label(*this, this,
                                              {.name = "Label3",
                                               .index = row * kColumns + column,
                                               .left = left,
                                               .top = kFirstRowTop + row * kRowStep,
                                               .width = kColumnWidth,
                                               .height = kRowHeight,
                                               .caption = "",
                                               .font = {"Tahoma", 24, true},
                                               .border = true});
            Label3[std::size_t(row * kColumns + column)]->set_border_colour(shell::kYellow);
        }
    }
    Label1 = add_label(this, {.name = "Label1",
                              .left = 9450,
                              .top = 300,
                              .width = 2400,
                              .height = 1700,
                              .caption = tr("Write each number the other two ways."),
                              .font = {"Tahoma", 15.75, true},
                              .align = Qt::AlignLeft | Qt::AlignTop});
}

void FdpForm::new_problem() {
    const Table previous = table_;
    table_ = make_problem(kind_as<Kind>(), random_, &previous);
    for (int row = 0; row < kRows; ++row) {
        const Row& entry = table_[std::size_t(row)];
        const auto all = forms(entry);
        for (int column = 0; column < kColumns; ++column) {
            const bool shown = Column(column) == entry.shown;
            cell(row, column)
                ->set_caption(shown ? QString::fromStdString(all[std::size_t(column)])
                                    : QString("?"));
            cell(row, column)->set_fore_colour(shell::kYellow);
        }
    }
    set_problem_sentence(reading(false));
}

void FdpForm::show_part(int row) {
    const Row& entry = table_[std::size_t(row)];
    const auto all = forms(entry);
    for (int column = 0; column < kColumns; ++column) {
        if (Column(column) != entry.shown) {
            cell(row, column)->set_caption(QString::fromStdString(all[std::size_t(column)]));
            cell(row, column)->set_fore_colour(shell::kWhite);
        }
    }
}

QString FdpForm::answer_sentence() const {
    return reading(true);
}

// "1/4 = ? = ?; ? = 0.6 = ?; ..." and, solved, "1/4 = 0.25 = 25%; 3/5 = 0.6 = 60%; ...",
// a recurring decimal said as "0.3 recurring".
QString FdpForm::reading(bool solved) const {
    QStringList rows;
    for (const Row& row : table_) {
        rows << QString::fromStdString(row_text(row, solved));
    }
    return fractionkit::spoken(rows.join("; ") + '.');
}

} // namespace chalkline::fdp
