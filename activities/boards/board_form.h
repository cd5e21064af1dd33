// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "brick_board.h"
#include "random.h"
#include "revealing_form.h"
#include "triangle.h"

#include <QStringList>

#include <string>
#include <vector>

namespace chalkline::boards {

// What the screens of number walls and triangles share: the board below an instruction
// at the top left, three kinds at the top right (the corners a triangle leaves free), a
// status line, and a Solution revealed in parts, the first at once and the rest one
// per tick of Timer1.
//
// A screen makes its problem in new_problem() and says what its Solution shows. Screens
// whose Solution fills the hidden boxes one at a time hand their boxes to show_puzzle();
// each part then fills one box, flashing the two it is worked out from, and a last part
// settles the colours. Others override answer_parts() and show_part().
class BoardForm : public shell::RevealingForm {
    Q_OBJECT

public:
    BoardForm(const QString& name, const QString& caption, const QString& menu,
              const QStringList& kinds);

    int answer_parts() const override;
    // The order in which Solution fills the hidden boxes.
    const std::vector<Step>& steps() const { return steps_; }
    // Whether Solution has begun, and whether all of it is shown.
    bool solution_begun() const { return parts_shown() > 0; }
    bool solution_shown() const { return solution_begun() && parts_shown() >= answer_parts(); }

    BrickBoard* Board1;
    shell::Label* Label1; // the instruction
    shell::Label* Label2; // the status line
    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;

protected:
    // The answer for the screen reader, once the Solution is fully shown: by default each
    // number that show_puzzle() hid, with its place, in the order Solution fills them.
    QString answer_sentence() const override;
    // The default answer is worked from the numbers show_puzzle() hid, known at once.
    bool answer_known_at_once() const override { return !steps_.empty(); }
    void show_part(int part) override;

    // Shows every number, the hidden ones as "?", and keeps the order Solution fills
    // them. The board reads as its rows in words, the bottom row first when
    // `bottom_first` (a wall, built from the bottom), rows counted from `first_row`.
    void show_puzzle(const std::vector<std::string>& numbers, std::vector<bool> shown,
                     std::vector<Step> steps, bool bottom_first = false, int first_row = 1);
    // The board as shown, in words, row by row as show_puzzle() was told to count them:
    // "row 1 has 2, blank, 5. row 2 has ...".
    QString board_words() const;
    QString board_reading() const override { return board_words() + '.'; }

    ClockRandom random_;

private:
    // The look a box keeps once nothing flashes: given, or filled in.
    BoxLook settled(int box) const;

    // A box's row as the sentences count it (from 1, or from first_row_) and its place
    // in the row from 1.
    int spoken_row(int box) const;

    std::vector<bool> shown_;
    std::vector<Step> steps_;
    bool bottom_first_ = false;
    int first_row_ = 1;
};

} // namespace chalkline::boards
