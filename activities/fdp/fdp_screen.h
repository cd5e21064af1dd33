// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction_form.h"
#include "number_label.h"

// After the Qt headers: moc fails on the standard <concepts> when it meets it first.
#include "fdp_logic.h"

#include <array>

namespace chalkline::fdp {

// The Fractions, Decimals and Percentages screen: a table of six numbers, each row
// showing one of its fraction, decimal and percentage and "?" for the other two; the
// Solution fills the rows one at a time, the worked forms in white.
class FdpForm : public fractionkit::FractionForm {
    Q_OBJECT

public:
    FdpForm();

    int answer_parts() const override { return kRows; }

    const Table& table() const { return table_; }
    // The cell of a row and column (Label3, indexed row by row).
    fractionkit::NumberLabel* cell(int row, int column) const {
        return Label3[std::size_t(row * kColumns + column)];
    }

    shell::Label* Label1;                         // the instruction
    std::array<shell::Label*, kColumns> Label2{}; // the column headings
    std::array<fractionkit::NumberLabel*, kRows * kColumns> Label3{};

private:
    void new_problem() override;
    // Fills a row, from the top.
    void show_part(int row) override;
    QString answer_sentence() const override;
    QString reading(bool solved) const;

    Table table_{};
};

} // namespace chalkline::fdp
