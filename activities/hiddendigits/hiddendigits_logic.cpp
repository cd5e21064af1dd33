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

constexpr int kMaskTries = 8;
constexpr int kProblemTries = 20;
constexpr int kTriesEachCount = 6;
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

// The rows written out, nothing hidden yet.
Patterns written(const std::array<int, kRows>& numbers) {
    Patterns patterns;
    for (int row = 0; row < kRows; ++row) {
        patterns[std::size_t(row)] = std::to_string(numbers[std::size_t(row)]);
    }
    return patterns;
}

// Hides `count` digits, in at least two rows, with a single completion: the places are
// taken in a random order, each kept hidden only where the digits hidden so far still
// have a single completion. Up to kMaskTries orders; nothing when none reaches `count`.
std::optional<Patterns> choose_hidden(Kind kind, const std::array<int, kRows>& numbers, int count,
                                      RandomSource& random) {
    std::vector<std::pair<int, int>> places;
    for (int row = 0; row < kRows; ++row) {
        const int length = int(std::to_string(numbers[row]).size());
        for (int digit = 0; digit < length; ++digit) {
            places.emplace_back(row, digit);
        }
    }
    for (int attempt = 0; attempt < kMaskTries; ++attempt) {
        for (int i = 0; i + 1 < int(places.size()); ++i) {
            std::swap(places[std::size_t(i)],
                      places[std::size_t(random.draw(i, int(places.size()) - 1))]);
        }
        Patterns patterns = written(numbers);
        int hidden = 0;
        for (std::size_t i = 0; i < places.size() && hidden < count; ++i) {
            char& digit = patterns[std::size_t(places[i].first)][std::size_t(places[i].second)];
            const char shown = digit;
            digit = '?';
            if (count_completions(kind, patterns, 2) == 1) {
                ++hidden;
            } else {
                digit = shown;
            }
        }
        const int rows_used = int(std::count_if(patterns.begin(), patterns.end(),
                                                [](auto& p) { return hidden_in(p) > 0; }));
        if (hidden == count && rows_used >= 2) {
            return patterns;
        }
    }
    return std::nullopt;
}

// A problem of the kind for when every draw fails.
HiddenDigitsProblem fixed_problem(Kind kind) {
    static const HiddenDigitsProblem kFixed[3] = {
        {Kind::Addition, {457, 285, 742}, {"4?7", "?85", "74?"}},
        {Kind::Subtraction, {742, 285, 457}, {"7?2", "?85", "45?"}},
        {Kind::Multiplication, {473, 6, 2838}, {"47?", "?", "2?38"}},
    };
    return kFixed[int(kind)];
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

HiddenDigitsProblem make_problem(Kind kind, RandomSource& random) {
    if (kind < Kind::Addition || kind > Kind::Multiplication) {
        throw std::invalid_argument("unknown kind of calculation");
    }
    // How many digits hide is drawn first, so that 3, 4 and 5 all come up: numbers are
    // drawn again until that many of their digits can hide with a single completion,
    // one digit fewer after every kTriesEachCount draws (five hidden digits need two in
    // some column, which few sums allow).
    const int count = random.draw(kFewestHidden, kMostHidden);
    for (int attempt = 0; attempt < kProblemTries; ++attempt) {
        HiddenDigitsProblem problem{kind, draw_numbers(kind, random), {}};
        const int hiding = std::max(kFewestHidden, count - attempt / kTriesEachCount);
        if (auto patterns = choose_hidden(kind, problem.numbers, hiding, random)) {
            problem.patterns = std::move(*patterns);
            return problem;
        }
    }
    return fixed_problem(kind);
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
