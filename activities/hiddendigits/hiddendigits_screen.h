// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hiddendigits_logic.h"
#include "random.h"
#include "revealing_form.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace chalkline::hiddendigits {

// The Hidden Digits screen: a calculation written in columns as on the board, the sign
// at the left of the second row and a line under it, some digits hidden in boxes.
// Solution fills the boxes one by one, units column first.
class HiddenDigitsForm : public shell::RevealingForm {
    Q_OBJECT

public:
    HiddenDigitsForm();

    const HiddenDigitsProblem& problem() const { return *problem_; }
    // The digit of the row (0 to 2) in the place (0 for units, 1 for tens, ...).
    shell::Label* digit(int row, int place) const {
        return Digit[std::size_t(row * kMostDigits + place)];
    }

    shell::Label* Label1;
    shell::Label* LabelSign;
    shell::Line* Line1;
    // Digit(row * 4 + place): row 0 to 2 from the top, place 0 for units.
    std::array<shell::Label*, kRows * kMostDigits> Digit{};

    int answer_parts() const override { return int(boxes_.size()); }

protected:
    // Makes a new problem of the chosen kind and shows it, the boxes empty.
    void new_problem() override;
    // Fills the box of that step.
    void show_part(int step) override;
    QString answer_sentence() const override;
    bool answer_known_at_once() const override { return true; }

private:
    std::optional<HiddenDigitsProblem> problem_;
    // The hidden digits by row and place, in the order Solution fills them.
    std::vector<std::pair<int, int>> boxes_;
    ClockRandom random_;
};

} // namespace chalkline::hiddendigits
