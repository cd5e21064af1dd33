// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"

#include <QStringList>

namespace shell {

// An activity screen whose answer comes in parts. Solution shows the first part at once
// and the others one by one on the screen's reveal timer, 600 ms apart; once the last
// part is shown the screen reader is told the answer. Pressed again, Solution leaves a
// reveal under way (or done) as it is. Go, or a kind, stops a reveal under way and makes
// a new problem with its answer hidden. The kinds stand in a row along the bottom of the
// screen, left of the status panel, the first chosen when the screen opens.
class RevealingRowForm : public ActivityForm {
public:
    RevealingRowForm(const QString& name, const QString& caption, const QString& menu);

    void start() override;
    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void RevealTimer_Timer();

    // The kind chosen, 0 for the first option.
    int kind() const { return kind_; }
    // How many parts of the answer are shown (0 while it is hidden).
    int parts_shown() const { return shown_; }
    // The number of parts in the answer of the problem on show (1 or more).
    virtual int answer_parts() const = 0;

    Timer* RevealTimer;
    static constexpr int kRevealInterval = 600;

protected:
    // The kind options, in a row along the bottom; a click on one makes a problem of it.
    void add_kinds(const QStringList& captions);

    // Makes a fresh problem of kind() and shows it with every part of its answer hidden,
    // and sets the problem sentence.
    virtual void new_problem() = 0;
    // Shows part `part` of the answer (0 first).
    virtual void show_part(int part) = 0;
    // What follows "Answer: " in the screen's sentence.
    virtual QString answer_sentence() const = 0;

private:
    void choose_kind(int kind);
    void finish_reveal();

    int kind_ = 0;
    int shown_ = 0;
};

// A label of the screen's own text: Tahoma bold, yellow, centred in its box unless told.
LabelSpec text_label(const QString& name, int index, double left, double top, double width,
                     double height, double points,
                     Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter);

} // namespace shell
