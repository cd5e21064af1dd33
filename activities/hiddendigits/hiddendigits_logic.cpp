// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiddendigits_logic.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace chalkline::hiddendigits {

namespace {

using Patterns = std::array<std::string, kRows>;

constexpr int kMaskTries = 60;
constexpr int kProblemTries = 20;
constexpr int kFewestHidden = 3;
constexpr int kMostHidden = 5;

std::int64_t power_of_ten(std::size_t exponent) {
    std::int64_t power = 1;
    for (std::size_t i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// Every value a pattern can stand for: a '?' is any digit, and a number of two or more
// digits does not start with 0.
std::vector<std::int64_t> values_of(const std::string& pattern) {
    std::vector<std::int64_t> values{0};
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int lowest = i == 0 && pattern.size() > 1 ? 1 : 0;
        std::vector<std::int64_t> longer;
        for (const std::int64_t value : values) {
            for (int digit = lowest; digit <= 9; ++digit) {
                if (pattern[i] == '?' || pattern[i] == char('0' + digit)) {
                    longer.push_back(value * 10 + digit);
                }
            }
        }
        values = std::move(longer);
    }
    return values;
}

// Whether the value, written plainly, has the pattern's length and shown digits. Worked
// on the digits, without making a text: it runs up to a thousand times a check.
bool fits(std::int64_t value, const std::string& pattern) {
    if (value < 0) {
        return false;
    }
    std::int64_t rest = value;
    for (auto digit = pattern.rbegin(); digit != pattern.rend(); ++digit) {
        if (*digit != '?' && *digit != char('0' + rest % 10)) {
            return false;
        }
        rest /= 10;
    }
    // Nothing left over, and no 0 leading a number of two or more digits.
    const std::int64_t lead = value / power_of_ten(pattern.size() - 1);
    return rest == 0 && (pattern.size() == 1 || lead != 0);
}

// The number of row `unknown` that the other two rows' numbers make right, or -1 when
// none does (a division that does not go).
std::int64_t third_row(Kind kind, int unknown, const std::array<std::int64_t, kRows>& rows) {
    const std::int64_t first = rows[0];
    const std::int64_t second = rows[1];
    const std::int64_t answer = rows[2];
    if (kind == Kind::Addition) {
        return unknown == 2 ? first + second : unknown == 1 ? answer - first : answer - second;
    }
    if (kind == Kind::Subtraction) {
        return unknown == 2 ? first - second : unknown == 1 ? first - answer : second + answer;
    }
    if (unknown == 2) {
        return first * second;
    }
    const std::int64_t known = unknown == 1 ? first : second;
    return known != 0 && answer % known == 0 ? answer / known : -1;
}

int hidden_in(const std::string& pattern) {
    return int(std::count(pattern.begin(), pattern.end(), '?'));
}

// The two numbers above the line in their ranges, and the answer.
std::array<int, kRows> draw_numbers(Kind kind, RandomSource& random) {
    int first = 0;
    int second = 0;
    if (kind == Kind::Addition) {
        // Three or four digits each, the sum no longer than four.
        first = random.draw(0, 1) == 0 ? random.draw(100, 999) : random.draw(1000, 9899);
        const int room = 9999 - first;
        second = room >= 1000 && random.draw(0, 1) == 1 ? random.draw(1000, room)
                                                        : random.draw(100, std::min(999, room));
        return {first, second, first + second};
    }
    if (kind == Kind::Subtraction) {
        // Three or four digits each, the difference too.
        first = random.draw(0, 1) == 0 ? random.draw(200, 999) : random.draw(1000, 9999);
        second = first >= 1100 && random.draw(0, 1) == 1
                     ? random.draw(1000, first - 100)
                     : random.draw(100, std::min(999, first - 100));
        return {first, second, first - second};
    }
    // Three digits by one, or two by two.
    if (random.draw(0, 1) == 0) {
        first = random.draw(100, 999);
        second = random.draw(2, 9);
    } else {
        first = random.draw(11, 99);
        second = random.draw(11, 99);
    }
    return {first, second, first * second};
}

// Hides `count` digits of the rows at the places chosen, by row and digit.
Patterns hide(const std::array<int, kRows>& numbers, const std::vector<std::pair<int, int>>& places,
              int count) {
    Patterns patterns;
    for (int row = 0; row < kRows; ++row) {
        patterns[row] = std::to_string(numbers[row]);
    }
    for (int i = 0; i < count; ++i) {
        patterns[places[i].first][places[i].second] = '?';
    }
    return patterns;
}

// Draws sets of 3 to 5 hidden places, in at least two rows, until one has a single
// completion; failing that, hides the answer's last three digits.
Patterns choose_hidden(Kind kind, const std::array<int, kRows>& numbers, RandomSource& random) {
    std::vector<std::pair<int, int>> places;
    for (int row = 0; row < kRows; ++row) {
        const int length = int(std::to_string(numbers[row]).size());
        for (int digit = 0; digit < length; ++digit) {
            places.emplace_back(row, digit);
        }
    }
    for (int attempt = 0; attempt < kMaskTries; ++attempt) {
        const int count = random.draw(kFewestHidden, kMostHidden);
        for (int i = 0; i < count; ++i) {
            std::swap(places[i], places[random.draw(i, int(places.size()) - 1)]);
        }
        const Patterns patterns = hide(numbers, places, count);
        const int rows_used = int(std::count_if(patterns.begin(), patterns.end(),
                                                [](auto& p) { return hidden_in(p) > 0; }));
        if (rows_used >= 2 && count_completions(kind, patterns, 2) == 1) {
            return patterns;
        }
    }
    Patterns patterns = hide(numbers, {}, 0);
    std::string& answer = patterns[kAnswerRow];
    std::fill(answer.end() - kFewestHidden, answer.end(), '?');
    return patterns;
}

HiddenDigitsProblem fixed_problem(Kind kind, int which) {
    static const HiddenDigitsProblem kFixed[3][2] = {
        {{Kind::Addition, {457, 285, 742}, {"4?7", "?85", "74?"}},
         {Kind::Addition, {638, 294, 932}, {"6?8", "29?", "?32"}}},
        {{Kind::Subtraction, {742, 285, 457}, {"7?2", "?85", "45?"}},
         {Kind::Subtraction, {913, 476, 437}, {"9?3", "47?", "?37"}}},
        {{Kind::Multiplication, {473, 6, 2838}, {"47?", "?", "2?38"}},
         {Kind::Multiplication, {36, 47, 1692}, {"3?", "4?", "169?"}}},
    };
    return kFixed[int(kind)][which];
}

} // namespace

std::string sign_of(Kind kind) {
    return kind == Kind::Addition ? "+" : kind == Kind::Subtraction ? "-" : "x";
}

int count_completions(Kind kind, const Patterns& patterns, int limit) {
    // The row with the most hidden digits follows from the other two, so at most a
    // thousand pairs are tried when five digits are hidden.
    int unknown = 0;
    for (int row = 1; row < kRows; ++row) {
        if (hidden_in(patterns[row]) > hidden_in(patterns[unknown])) {
            unknown = row;
        }
    }
    const int a = unknown == 0 ? 1 : 0;
    const int b = unknown == 2 ? 1 : 2;
    int count = 0;
    const std::vector<std::int64_t> ys = values_of(patterns[b]);
    for (const std::int64_t x : values_of(patterns[a])) {
        for (const std::int64_t y : ys) {
            std::array<std::int64_t, kRows> rows{};
            rows[a] = x;
            rows[b] = y;
            if (fits(third_row(kind, unknown, rows), patterns[unknown]) && ++count >= limit) {
                return count;
            }
        }
    }
    return count;
}

HiddenDigitsProblem make_problem(Kind kind, RandomSource& random,
                                 const std::optional<HiddenDigitsProblem>& previous) {
    if (kind < Kind::Addition || kind > Kind::Multiplication) {
        throw std::invalid_argument("unknown kind of calculation");
    }
    random.reseed();
    for (int attempt = 0; attempt < kProblemTries; ++attempt) {
        HiddenDigitsProblem problem{kind, draw_numbers(kind, random), {}};
        problem.patterns = choose_hidden(kind, problem.numbers, random);
        if (problem != previous) {
            return problem;
        }
    }
    const HiddenDigitsProblem first = fixed_problem(kind, 0);
    return first != previous ? first : fixed_problem(kind, 1);
}

std::string problem_text(const HiddenDigitsProblem& problem) {
    const auto& rows = problem.patterns;
    return rows[0] + " " + sign_of(problem.kind) + " " + rows[1] + " = " + rows[2];
}

std::string answer_text(const HiddenDigitsProblem& problem) {
    const auto& n = problem.numbers;
    return std::to_string(n[0]) + " " + sign_of(problem.kind) + " " + std::to_string(n[1]) + " = " +
           std::to_string(n[2]);
}

} // namespace chalkline::hiddendigits
