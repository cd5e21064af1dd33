// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "affine_logic.h"
#include "random.h"
#include "revealing_form.h"

#include <array>

namespace chalkline::affine {

// The Affine Ciphers screen: the key, the alphabet with the numbers of its letters, and
// a word to encode or decode. Solution works the word out letter by letter, each
// letter's number, the number it becomes and its letter; Decode first shows the inverse
// of a and the key that decodes.
class AffineForm : public shell::RevealingForm {
    Q_OBJECT

public:
    AffineForm();

    const AffineProblem& problem() const { return problem_; }
    int answer_parts() const override;

    static constexpr std::size_t kLongest = 9;

    shell::Label* Instruction;
    shell::Label* KeyText;
    std::array<shell::Label*, kLetters> TableLetter{};
    std::array<shell::Label*, kLetters> TableNumber{};
    shell::Label* InverseCaption;
    shell::Label* InverseWorking;
    shell::Label* DecodingCaption;
    shell::Label* DecodingKey;
    shell::Label* FirstCaption;
    shell::Label* SecondCaption;
    std::array<shell::Label*, kLongest> Given{};
    std::array<shell::Label*, kLongest> FirstNumber{};
    std::array<shell::Label*, kLongest> SecondNumber{};
    std::array<shell::Label*, kLongest> Result{};

protected:
    void new_problem() override;
    void show_part(int part) override;
    QString answer_sentence() const override;

private:
    void add_table();
    void add_working();
    void add_word();
    // The parts before the letters: the inverse of a, for Decode.
    int parts_before_letters() const { return problem_.kind == Kind::Decode ? 1 : 0; }

    AffineProblem problem_;
    bool has_problem_ = false;
    ClockRandom random_;
};

} // namespace chalkline::affine
