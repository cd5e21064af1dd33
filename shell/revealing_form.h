// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "reveal.h"

#include <QStringList>

#include <vector>

namespace shell {

// An activity screen whose answer comes in parts: its kinds are option buttons in a
// column, the first chosen as the screen opens; Go, and a click on a kind, make a new
// problem of the chosen kind; Solution shows the parts of the answer one at a time
// (Timer1 ticks between them) and, after the last, the answer sentence. A new problem
// stops a reveal that is still running.
class RevealingForm : public ActivityForm {
public:
    RevealingForm(const QString& name, const QString& caption, const QString& menu);

    void start() override { calculate(); }
    void cmdgo_Click() override { calculate(); }
    void cmdsoln_Click() override;
    // Stops the reveal, then makes and shows a new problem.
    void calculate();

    Timer* Timer1;

protected:
    // The options Option1, Option2... one under the other from the top given.
    void add_kinds(const QStringList& captions, double left, double top, double width);
    // The chosen kind, 0 for the first.
    int kind_index() const;

    virtual void new_problem() = 0;
    virtual int answer_parts() const = 0;
    virtual void show_answer_part(int part) = 0;
    // The text after "Answer: ", once every part is shown.
    virtual QString answer_text() const = 0;

private:
    Reveal reveal_;
};

} // namespace shell
