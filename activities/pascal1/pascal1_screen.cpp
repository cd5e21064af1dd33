// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal1_screen.h"

namespace chalkline::pascal1 {

namespace {

// The triangle stands above the status panel across the whole screen, its boxes wide
// enough for four digits.
constexpr double kBoxShape = 1.8;

} // namespace

Pascal1Form::Pascal1Form()
    : BoardForm("pascal1", tr("Pascal's Triangle 1"), "menu4",
                {tr("Rows 0 to 7"), tr("Rows 0 to 10"), tr("Rows 0 to 13")}) {
    Label1->set_caption(
        tr("Each number is the sum of the two above it. Find the missing numbers."));
    Board1->move(120, 150, 11760, 6600);
}

void Pascal1Form::new_problem() {
    puzzle_ = make_problem(kind_as<Kind>(), random_, puzzle_.numbers.empty() ? nullptr : &puzzle_);
    Board1->set_rows(puzzle_.rows, kBoxShape);
    std::vector<std::string> numbers;
    for (std::int64_t number : puzzle_.numbers) {
        numbers.push_back(std::to_string(number));
    }
    show_puzzle(numbers, puzzle_.shown, puzzle_.steps, false, 0);
    set_problem_sentence(tr("Pascal's triangle, rows 0 to %1, top first. %2.")
                             .arg(puzzle_.rows - 1)
                             .arg(board_words()));
}

} // namespace chalkline::pascal1
