// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"

#include <QStringList>

namespace shell {

// An activity screen whose answer is shown in parts, one after another: the first part
// at once on Solution, each next one a tick of Timer1 later, and the screen reader's
// answer once the last is shown. Go, or a click on a kind, hides the answer, stops the
// reveal and makes a new problem of the chosen kind; Solution pressed again while the
// parts are coming, or after, changes nothing. Exit stops the timer with the screen.
class RevealForm : public ActivityForm {
public:
    RevealForm(const QString& name, const QString& caption, const QString& menu);

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void Timer1_Timer();

    // The chosen kind, 0 for the first option.
    int kind() const;
    // How many parts of the answer are shown.
    int parts_shown() const { return shown_; }

    shell::Timer* Timer1;

    static constexpr int kRevealInterval = 600; // ms between two parts

protected:
    // The kind options in a column at the lower left, the first chosen.
    void add_kinds(const QStringList& captions);
    // A line of instructions: Tahoma bold white, 18 points.
    Label* add_instruction(const QString& name, const QString& text, double left, double top,
                           double width, double height);
    // A label for numbers: Tahoma bold yellow, hidden until there is something to show.
    Label* add_numbers(QWidget* parent, const QString& name, double left, double top, double width,
                       double height, double font_size,
                       Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter);

    // Makes a problem of kind(), shows it and sets the problem sentence.
    virtual void make_problem() = 0;
    // Hides every part of the answer.
    virtual void hide_answer() = 0;
    virtual int answer_parts() const = 0;
    virtual void show_part(int part) = 0;
    // What follows "Answer: " once every part is shown.
    virtual QString answer_sentence() const = 0;

private:
    void show_next_part();

    int shown_ = 0;
};

} // namespace shell
