// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fraction.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <string>

namespace chalkline::percentages {

// The kinds of question, in the order of the screen's options: a percentage of an
// amount, an amount increased or decreased by a percentage, and a part of a whole
// written as a percentage.
enum class Kind { OfAnAmount, IncreaseAndDecrease, WhatPercentage };

inline constexpr int kQuestions = 6;

// One question. OfAnAmount and IncreaseAndDecrease ask about `percent` of `amount`;
// WhatPercentage shows `percent` of `amount` out of `amount` ("18 out of 40") and
// asks for `percent`.
struct Question {
    Kind kind = Kind::OfAnAmount;
    Fraction percent;        // 35, or 25/2 for 12.5%
    std::int64_t amount = 0; // the amount, or the whole of WhatPercentage
    bool increase = false;   // IncreaseAndDecrease only: up or down
    friend bool operator==(const Question&, const Question&) = default;
};

using Questions = std::array<Question, kQuestions>;

// Six questions of the kind, easiest first: two on 10%, 25%, 50% and the like, two on
// 5%, 15%, 35% and the like, two on 12.5%, 17.5%, 2.5% and the like, the two of each
// pair on different percentages. Every answer ends within two decimal places, and the
// first four are whole (WhatPercentage: every part is whole). Built constructively;
// six the same as `previous` are drawn again, at most 20 times, and then the first two
// swap places, so the result always differs.
Questions make_problem(Kind kind, RandomSource& random, const Questions* previous = nullptr);

// The percentage of the amount: 84 for 35% of 240.
Fraction share(const Question& question);
// The part of WhatPercentage's whole (18 for 45% of 40).
std::int64_t part(const Question& question);
// The answer: the share, the new amount, or the percentage.
Fraction answer(const Question& question);

// The numbers as the question and its answer show them: "35%", "240", "18", "84",
// "13.5", "45%".
std::string percent_text_of(const Question& question);
std::string answer_text(const Question& question);

} // namespace chalkline::percentages
