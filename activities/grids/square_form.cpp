// SPDX-License-Identifier: GPL-3.0-or-later
#include "square_form.h"

#include "speech.h"

namespace chalkline::grids {

namespace {

// Four rows (the square and its column totals) by five columns (the rising diagonal's
// total, the square and its row totals).
constexpr int kRows = kSide + 1;
constexpr int kColumns = kSide + 2;
constexpr GridPlace kFalling{kSide, kSide + 1};
constexpr GridPlace kRising{kSide, 0};

QString text_of(int value) {
    return QString::number(value);
}

// Totals in words: "12, minus 3, 15".
QString list_of(const std::array<int, kSide>& values) {
    QStringList texts;
    for (int value : values) {
        texts << shell::speech::number(value);
    }
    return texts.join(", ");
}

} // namespace

GridPlace square_place(int cell) {
    return {cell / kSide, cell % kSide + 1};
}

void SquareForm::show_puzzle(const SquarePuzzle& puzzle, const QString& instruction,
                             const QString& intro) {
    puzzle_ = puzzle;
    Label1->set_caption(instruction);
    board->set_grid(kRows, kColumns);
    for (int cell = 0; cell < kCells; ++cell) {
        const auto c = std::size_t(cell);
        board->set_place(square_place(cell), BoxKind::Number, text_of(puzzle.answer[c]),
                         !puzzle.given[c]);
    }
    for (int i = 0; i < kSide; ++i) {
        const auto k = std::size_t(i);
        board->set_place({i, kColumns - 1}, BoxKind::Total, text_of(puzzle.totals.rows[k]));
        board->set_place({kRows - 1, i + 1}, BoxKind::Total, text_of(puzzle.totals.columns[k]));
    }
    if (puzzle.rules.diagonals) {
        board->set_place(kFalling, BoxKind::Ringed, text_of(puzzle.totals.diagonals[0]));
        board->set_place(kRising, BoxKind::Ringed, text_of(puzzle.totals.diagonals[1]));
        // From the square's corners to the rings.
        board->add_guide({kColumns - 1.0, double(kSide)}, {kColumns - 0.8, kSide + 0.2});
        board->add_guide({1.0, double(kSide)}, {0.8, kSide + 0.2});
    }

    const bool products = puzzle.rules.products;
    QStringList parts{
        reading_of(rows_of(*board, {BoxKind::Number})),
        (products ? tr("row products %1") : tr("row sums %1")).arg(list_of(puzzle.totals.rows)),
        (products ? tr("column products %1") : tr("column sums %1"))
            .arg(list_of(puzzle.totals.columns))};
    if (puzzle.rules.diagonals) {
        parts << tr("diagonal sums %1 from the top left, %2 from the bottom left")
                     .arg(shell::speech::number(puzzle.totals.diagonals[0]),
                          shell::speech::number(puzzle.totals.diagonals[1]));
    }
    set_problem_sentence(
        tr("%1, top row first: %2.").arg(intro, shell::speech::one_after_another(parts)));
}

// Two puzzles in a row never have one square for their answer, whatever the clues.
QStringList SquareForm::repeat_keys() const {
    QStringList cells;
    for (int value : puzzle_ ? puzzle_->answer : Square{}) {
        cells << text_of(value);
    }
    return {GridForm::repeat_keys().front(), "square " + cells.join(' ')};
}

QString SquareForm::answer_sentence() const {
    // The whole square, from the puzzle: nine numbers say it as briefly as the hidden ones.
    QList<QStringList> rows(kSide);
    for (int cell = 0; cell < kCells; ++cell) {
        rows[cell / kSide] << text_of(puzzle_->answer[std::size_t(cell)]);
    }
    return shell::speech::rows(rows) + '.';
}

} // namespace chalkline::grids
