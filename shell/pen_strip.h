// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ink.h"

#include <QPushButton>

#include <vector>

namespace shell {

// The pen's tool strip, in a corner of the design where no screen shows anything, scaled
// with it and large enough for a finger at the board: the pen on and off, its four
// colours (one chosen puts the pen on), the eraser and Clear. Each tool is a button a
// screen reader names and presses; none takes the keyboard focus (the keys have their
// own rows).
class PenStrip : public QWidget {
public:
    PenStrip(Form& form, InkLayer& layer);

    // Shows which tool is in use.
    void show_state(PenMode mode, int colour);
    // Puts the strip in its corner of the design, which stands at `stage` on the form.
    void place(const QRect& stage);
    // The buttons, in the order shown (for tests).
    const std::vector<QPushButton*>& buttons() const { return buttons_; }

private:
    Form& form_;
    std::vector<QPushButton*> buttons_;
};

} // namespace shell
