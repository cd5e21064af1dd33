// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "brick_board.h"
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
    // The answer for the screen reader, once the Solution is fully shown: by default the
    // numbers that show_puzzle() was given.
    QString answer_sentence() const override;
    void show_part(int part) override;

    // Shows every number, the hidden ones as "?", and keeps the order Solution fills
    // them. `problem` and `answer` are the numbers as the screen reader reads them, with
    // and without the "?"; the board is named by the problem's.
    void show_puzzle(const std::vector<std::string>& numbers, std::vector<bool> shown,
                     std::vector<Step> steps, const std::string& problem,
                     const std::string& answer);

private:
    // The look a box keeps once nothing flashes: given, or filled in.
    BoxLook settled(int box) const;

    std::vector<bool> shown_;
    std::vector<Step> steps_;
    QString answer_;
};

} // namespace chalkline::boards
