// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pythagorean_logic.h"
#include "random.h"
#include "revealing_form.h"

#include <array>

namespace chalkline::pythagorean {

// Pythagorean Triples: a table of five triples, a row each, with numbers hidden behind
// "?". On Euclid's Formula the rows give m and n in two columns before the triple, and
// the triple's columns are headed by its formulas. Solution fills the hidden numbers
// in, a row at a time.
class PythagoreanForm : public shell::RevealingForm {
    Q_OBJECT

public:
    PythagoreanForm();

    const Problem& problem() const { return problem_; }

    // Columns 0 and 1 hold m and n (Euclid's Formula only), 2 to 4 the triple.
    static constexpr int kColumns = 5;
    shell::Label* instruction;
    std::array<shell::Label*, kColumns> header{};
    std::array<std::array<shell::Label*, kColumns>, kRows> cell{};

protected:
    void new_problem() override;
    int answer_parts() const override { return kRows; }
    void show_part(int row) override;
    QString answer_sentence() const override;

private:
    void lay_out_columns(bool euclid);
    // A row's places as shown ("?" where hidden), Euclid's m and n first while hidden.
    QStringList row_cells(const Row& row, bool reveal) const;

    Problem problem_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::pythagorean
