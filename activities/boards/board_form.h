// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "brick_board.h"
#include "random.h"
#include "triangle.h"

#include <string>
#include <vector>

namespace chalkline::boards {

// What the screens of number walls and triangles share: the board below an instruction
// at the top left, three kinds at the top right (the corners a triangle leaves free), a
// status line, and a Solution revealed in parts, the first at once and the rest one
// per tick of Timer1.
//
// A screen makes its problem in calculate() and says what its Solution shows. Screens
// whose Solution fills the hidden boxes one at a time hand their boxes to show_puzzle();
// each part then fills one box, flashing the two it is worked out from, and a last part
// settles the colours. Others override solution_parts() and show_part().
class BoardForm : public shell::ActivityForm {
    Q_OBJECT

public:
    BoardForm(const QString& name, const QString& caption, const QString& menu);

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void Timer1_Timer();

    // The chosen kind, 1 to 3 in the order of the options.
    int kind() const { return kind_; }
    // The order in which Solution fills the hidden boxes.
    const std::vector<Step>& steps() const { return steps_; }
    // Whether Solution has begun, and whether all of it is shown.
    bool solution_begun() const { return next_part_ > 0; }
    bool solution_shown() const { return next_part_ > 0 && next_part_ >= solution_parts(); }

    BrickBoard* Board1;
    shell::Label* Label1; // the instruction
    shell::Label* Label2; // the status line
    shell::Frame* Frame1;
    shell::OptionButton* Option1;
    shell::OptionButton* Option2;
    shell::OptionButton* Option3;
    shell::Timer* Timer1;

protected:
    // Captions of the three kinds, in order.
    void set_kinds(const QString& first, const QString& second, const QString& third);

    // Makes a new problem of kind() and shows it, with its problem sentence.
    virtual void calculate() = 0;
    // The answer for the screen reader, once the Solution is fully shown: by default the
    // numbers that show_puzzle() was given.
    virtual QString answer_sentence() const;
    virtual int solution_parts() const;
    virtual void show_part(int part);

    // Shows every number, the hidden ones as "?", and keeps the order Solution fills
    // them. `problem` and `answer` are the numbers as the screen reader reads them, with
    // and without the "?"; the board is named by the problem's.
    void show_puzzle(const std::vector<std::string>& numbers, std::vector<bool> shown,
                     std::vector<Step> steps, const std::string& problem,
                     const std::string& answer);

    ClockRandom random_;

private:
    void choose_kind(int kind);
    void stop_solution();
    // The look a box keeps once nothing flashes: given, or filled in.
    BoxLook settled(int box) const;

    int kind_ = 1;
    int next_part_ = 0;
    std::vector<bool> shown_;
    std::vector<Step> steps_;
    QString answer_;
};

} // namespace chalkline::boards
