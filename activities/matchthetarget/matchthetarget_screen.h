// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activity_form.h"
#include "matchthetarget_logic.h"
#include "random.h"

#include <optional>

namespace chalkline::matchthetarget {

// A frame whose caption has its own font and colour, drawn on the top border line.
class CaptionFrame : public shell::Frame {
public:
    CaptionFrame(QWidget* parent, const QString& name, const QString& caption,
                 const shell::FontSpec& font, const QColor& fore);

    const shell::FontSpec& font_spec() const { return font_; }
    QColor fore_colour() const { return fore_; }
    void apply_scale() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    shell::FontSpec font_;
    QColor fore_;
};

// The Match the Target screen: five given numbers in a row, the target above them,
// and on request the answer expression over the given numbers. A panel of
// instructions shows for the first 15 seconds after the screen opens.
class MatchTheTargetForm : public shell::ActivityForm {
    Q_OBJECT

public:
    MatchTheTargetForm();

    // Go makes a new puzzle; Solution reveals its answer.
    void start() override;
    void cmdsoln_Click() override;
    void show_whole_problem() override;
    void Timer1_Timer();

    // Hides the answer frame and the five given numbers.
    void makevisible();

    // The puzzle on screen (none before the first).
    const std::optional<TargetPuzzle>& puzzle() const { return puzzle_; }

    CaptionFrame* Frame1;
    CaptionFrame* Frame2;
    shell::Frame* Frame3;
    CaptionFrame* Frame4;
    shell::Label* Label1;
    shell::Label* Label2;
    shell::Label* Label3;
    shell::Label* Label4;
    shell::Label* Label5;
    shell::Label* Label11;
    shell::Label* Labelans;
    shell::Label* Label15;
    shell::Label* Label21;
    shell::Label* Label23;
    shell::Timer* Timer1;

protected:
    // Makes a new puzzle and shows it, its answer hidden.
    void new_problem() override;
    QStringList repeat_keys() const override;

private:
    std::optional<TargetPuzzle> puzzle_;
};

// The activity's record (activity_table.h).
extern const shell::ActivityInfo kActivity;

} // namespace chalkline::matchthetarget
