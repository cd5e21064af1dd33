// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "form.h"

namespace chalkline::fractionkit {

// A label that shows a number as the class writes it: a fraction "3/4" stacked, a mixed
// number "1 3/4" with its whole part beside the stack, a recurring decimal "0.16̇" (a
// combining dot above after a digit) with the dot drawn over that digit. Its caption is
// what a screen reader reads, the dots said as "recurring".
class NumberLabel : public shell::Label {
public:
    NumberLabel(QWidget* parent, const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A number label of the design, as Form::add_label makes a label.
NumberLabel* add_number_label(shell::Form& form, QWidget* parent, const shell::LabelSpec& design);

// A text with dotted recurring decimals as a screen reader should say it: "0.16̇" is
// "0.16 recurring", "33.3̇%" is "33.3 recurring%".
QString spoken(const QString& text);

// The combining dot above that marks a repeating digit.
inline constexpr char16_t kRecurringDot = u'\u0307';

} // namespace chalkline::fractionkit
