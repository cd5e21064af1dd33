// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace chalkline::roman {

// The kinds of question, in the order of the screen's options.
enum class Kind {
    Convert,     // Roman numerals to ours, and ours to Roman numerals
    AddSubtract, // three sums and three differences
    Multiply,    // by II to XII
};

inline constexpr int kSmallest = 1;
inline constexpr int kLargest = 3999;
inline constexpr int kQuestions = 6;

// The value in Roman numerals, in the standard form with the subtractive pairs IV, IX,
// XL, XC, CD and CM: 1994 is "MCMXCIV". Throws std::out_of_range outside 1 to 3999.
std::string to_roman(int value);
// The value of a numeral written in the standard form; nothing for any other text
// ("IIII", "IC", "VX", "xiv", "").
std::optional<int> from_roman(std::string_view numeral);

enum class Operation { ToOurs, ToRoman, Add, Subtract, Multiply };

// One question: a number to write the other way (first), or first and second combined.
struct RomanQuestion {
    Operation operation = Operation::ToOurs;
    int first = 1;
    int second = 0;

    int answer() const;
    friend bool operator==(const RomanQuestion&, const RomanQuestion&) = default;
};

struct RomanProblem {
    Kind kind = Kind::Convert;
    std::array<RomanQuestion, kQuestions> questions{};
};

// Six different questions of the kind (another value throws std::invalid_argument),
// none of them one of the problem before. Every numeral and answer lies in 1 to 3999.
// So that a row reads at its size, the numbers combined have at most six letters and
// an answer at most eight.
RomanProblem make_problem(Kind kind, RandomSource& random, const RomanProblem* previous = nullptr);

// The question as shown: "XIV + XXIX", "XII x IV", "MCMXCIV" (to write in ours) or
// "1994" (to write in Roman numerals).
std::string question_text(const RomanQuestion& question);
// The answer as the class writes it: "XLIII"; "1994" or "MCMXCIV" for a conversion.
std::string answer_text(const RomanQuestion& question);

} // namespace chalkline::roman
