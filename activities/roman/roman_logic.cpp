// SPDX-License-Identifier: GPL-3.0-or-later
#include "roman_logic.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace chalkline::roman {

namespace {

struct Symbol {
    int value;
    std::string_view letters;
};

// The symbols and subtractive pairs, largest first: writing takes the largest that fits.
constexpr std::array<Symbol, 13> kSymbols{{{1000, "M"},
                                           {900, "CM"},
                                           {500, "D"},
                                           {400, "CD"},
                                           {100, "C"},
                                           {90, "XC"},
                                           {50, "L"},
                                           {40, "XL"},
                                           {10, "X"},
                                           {9, "IX"},
                                           {5, "V"},
                                           {4, "IV"},
                                           {1, "I"}}};

// The longest numerals a row holds at its size.
constexpr std::size_t kLongestOperand = 6;
constexpr std::size_t kLongestAnswer = 8;
constexpr int kLargestMultiplier = 12;
constexpr int kTries = 100;

int letter_value(char letter) {
    switch (letter) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

std::size_t length(int value) {
    return to_roman(value).size();
}

// The numbers whose numerals have at most six letters, in increasing order, made once.
const std::vector<int>& short_numbers() {
    static const std::vector<int> numbers = [] {
        std::vector<int> list;
        for (int n = kSmallest; n <= kLargest; ++n) {
            if (length(n) <= kLongestOperand) {
                list.push_back(n);
            }
        }
        return list;
    }();
    return numbers;
}

// A number with a short numeral from low to high (low itself has one, for every low
// used here: 1 and 2).
int draw_short(RandomSource& random, int low, int high) {
    const auto& numbers = short_numbers();
    const auto from = std::lower_bound(numbers.begin(), numbers.end(), low);
    const auto to = std::upper_bound(numbers.begin(), numbers.end(), high);
    return *(from + random.draw(0, int(to - from) - 1));
}

// How large the numbers of one question may grow: the class meets small, middling and
// large numbers in every problem.
int draw_ceiling(RandomSource& random) {
    constexpr std::array<int, 3> kCeilings{50, 500, kLargest};
    return kCeilings[std::size_t(random.draw(0, 2))];
}

RomanQuestion draw_question(Operation operation, RandomSource& random) {
    const int ceiling = draw_ceiling(random);
    switch (operation) {
    case Operation::ToOurs:
    case Operation::ToRoman: {
        // As many numbers of one digit as of two, three and four.
        constexpr std::array<int, 5> kBounds{1, 10, 100, 1000, kLargest + 1};
        const auto digits = std::size_t(random.draw(0, 3));
        return {operation, random.draw(kBounds[digits], kBounds[digits + 1] - 1)};
    }
    case Operation::Add: {
        const int first = draw_short(random, 1, ceiling - 1);
        return {operation, first, draw_short(random, 1, ceiling - first)};
    }
    case Operation::Subtract: {
        const int first = draw_short(random, 2, ceiling);
        return {operation, first, draw_short(random, 1, first - 1)};
    }
    case Operation::Multiply: {
        const int multiplier = random.draw(2, kLargestMultiplier);
        return {operation, draw_short(random, 2, std::max(2, ceiling / multiplier)), multiplier};
    }
    }
    throw std::invalid_argument("roman: no such operation");
}

// Small questions that always fit, numbered from 0, for the rare draw that keeps giving
// questions already asked: I + I, II + I, ...; II - I, ...; II x II, III x II, ...
RomanQuestion fallback(Operation operation, int number) {
    switch (operation) {
    case Operation::Add:
        return {operation, 1 + number, 1};
    case Operation::Subtract:
        return {operation, 2 + number, 1};
    case Operation::Multiply:
        return {operation, 2 + number, 2};
    default:
        return {operation, 1 + number};
    }
}

bool fits(const RomanQuestion& question) {
    if (question.operation == Operation::ToOurs || question.operation == Operation::ToRoman) {
        return true;
    }
    const int answer = question.answer();
    return answer >= kSmallest && answer <= kLargest && length(answer) <= kLongestAnswer &&
           length(question.first) <= kLongestOperand && length(question.second) <= kLongestOperand;
}

// The operations of the six questions, half of each, in a random order.
std::array<Operation, kQuestions> schedule(Kind kind, RandomSource& random) {
    std::array<Operation, kQuestions> operations{};
    for (int i = 0; i < kQuestions; ++i) {
        const bool second_half = i >= kQuestions / 2;
        operations[std::size_t(i)] =
            kind == Kind::Convert       ? (second_half ? Operation::ToRoman : Operation::ToOurs)
            : kind == Kind::AddSubtract ? (second_half ? Operation::Subtract : Operation::Add)
                                        : Operation::Multiply;
    }
    for (int i = kQuestions - 1; i > 0; --i) {
        std::swap(operations[std::size_t(i)], operations[std::size_t(random.draw(0, i))]);
    }
    return operations;
}

} // namespace

std::string to_roman(int value) {
    if (value < kSmallest || value > kLargest) {
        throw std::out_of_range("roman: " + std::to_string(value) + " has no numeral");
    }
    std::string numeral;
    for (const Symbol& symbol : kSymbols) {
        for (; value >= symbol.value; value -= symbol.value) {
            numeral += symbol.letters;
        }
    }
    return numeral;
}

std::optional<int> from_roman(std::string_view numeral) {
    // Each letter counts, taken away when a larger one follows; only a numeral that the
    // value writes back to letter for letter is in the standard form.
    int value = 0;
    for (std::size_t i = 0; i < numeral.size(); ++i) {
        const int here = letter_value(numeral[i]);
        const int next = i + 1 < numeral.size() ? letter_value(numeral[i + 1]) : 0;
        if (here == 0 || value > 4 * kLargest) {
            return std::nullopt;
        }
        value += here < next ? -here : here;
    }
    if (value < kSmallest || value > kLargest || to_roman(value) != numeral) {
        return std::nullopt;
    }
    return value;
}

int RomanQuestion::answer() const {
    switch (operation) {
    case Operation::Add:
        return first + second;
    case Operation::Subtract:
        return first - second;
    case Operation::Multiply:
        return first * second;
    default:
        return first;
    }
}

RomanProblem make_problem(Kind kind, RandomSource& random, const RomanProblem* previous) {
    if (kind < Kind::Convert || kind > Kind::Multiply) {
        throw std::invalid_argument("roman: no such kind");
    }
    random.reseed();
    RomanProblem problem{.kind = kind};
    const auto operations = schedule(kind, random);
    const auto asked = [&](const RomanQuestion& question, int filled) {
        const auto* begin = problem.questions.data();
        return std::find(begin, begin + filled, question) != begin + filled ||
               (previous && std::find(previous->questions.begin(), previous->questions.end(),
                                      question) != previous->questions.end());
    };
    // Drawn at most kTries times; then the first small question not asked yet, found
    // among the first 13 since at most 11 others are asked.
    for (int i = 0; i < kQuestions; ++i) {
        const Operation operation = operations[std::size_t(i)];
        RomanQuestion question = draw_question(operation, random);
        for (int attempt = 1; attempt < kTries && (!fits(question) || asked(question, i));
             ++attempt) {
            question = draw_question(operation, random);
        }
        for (int number = 0; !fits(question) || asked(question, i); ++number) {
            question = fallback(operation, number);
        }
        problem.questions[std::size_t(i)] = question;
    }
    return problem;
}

std::string question_text(const RomanQuestion& question) {
    switch (question.operation) {
    case Operation::ToOurs:
        return to_roman(question.first);
    case Operation::ToRoman:
        return std::to_string(question.first);
    case Operation::Add:
        return to_roman(question.first) + " + " + to_roman(question.second);
    case Operation::Subtract:
        return to_roman(question.first) + " - " + to_roman(question.second);
    case Operation::Multiply:
        return to_roman(question.first) + " x " + to_roman(question.second);
    }
    throw std::invalid_argument("roman: no such operation");
}

std::string answer_text(const RomanQuestion& question) {
    return question.operation == Operation::ToOurs ? std::to_string(question.answer())
                                                   : to_roman(question.answer());
}

} // namespace chalkline::roman
