// SPDX-License-Identifier: GPL-3.0-or-later
#include "fibonacci_logic.h"

#include <stdexcept>
#include <string>

namespace chalkline::fibonacci {

namespace {

std::int64_t checked_add(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw std::overflow_error("sequence term past 64 bits");
    }
    return sum;
}

std::int64_t checked_sub(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        throw std::overflow_error("sequence term past 64 bits");
    }
    return difference;
}

using Known = std::array<bool, kTermCount>;

// The next step from the terms known so far: the leftmost unknown term that the rule
// reaches from two known terms, by the sum of the two before it where it can.
std::optional<Step> next_step(const Known& known) {
    for (int k = 0; k < kTermCount; ++k) {
        if (known[k]) {
            continue;
        }
        const auto at = [&](int i) { return i >= 0 && i < kTermCount && known[i]; };
        if (at(k - 2) && at(k - 1)) {
            return Step{k, k - 2, k - 1, false, 0};
        }
        if (at(k + 1) && at(k + 2)) {
            return Step{k, k + 2, k + 1, true, 0};
        }
        if (at(k - 1) && at(k + 1)) {
            return Step{k, k + 1, k - 1, true, 0};
        }
    }
    return std::nullopt;
}

bool workable(Known known) {
    while (const auto step = next_step(known)) {
        known[step->position] = true;
    }
    for (bool k : known) {
        if (!k) {
            return false;
        }
    }
    return true;
}

std::string joined(const Shown& shown) {
    std::string text;
    for (const auto& term : shown) {
        if (!text.empty()) {
            text += ", ";
        }
        text += term ? std::to_string(*term) : "?";
    }
    return text;
}

// A negative number after an operator is written in brackets.
std::string operand(std::int64_t value) {
    return value < 0 ? "(" + std::to_string(value) + ")" : std::to_string(value);
}

Terms draw_terms(Kind kind, RandomSource& random) {
    switch (kind) {
    case Kind::Fibonacci: {
        const int first = random.draw(1, kLastFibonacciTerm - kTermCount + 1);
        return terms_from(fibonacci_number(first), fibonacci_number(first + 1));
    }
    case Kind::AnyStart:
        return terms_from(random.draw(1, 20), random.draw(1, 20));
    case Kind::Integers: {
        // At least one start below zero, or the kind would show only whole numbers.
        int first = 0;
        int second = 0;
        for (int tries = 0; tries < 32; ++tries) {
            first = random.draw(-20, 20);
            second = random.draw(-20, 20);
            if (first < 0 || second < 0) {
                return terms_from(first, second);
            }
        }
        return terms_from(first > 0 ? -first : -1, second);
    }
    }
    throw std::invalid_argument("unknown kind");
}

} // namespace

std::int64_t fibonacci_number(int n) {
    if (n < 1 || n > 92) {
        throw std::out_of_range("Fibonacci number out of range");
    }
    std::int64_t before = 0;
    std::int64_t term = 1;
    for (int i = 1; i < n; ++i) {
        const std::int64_t next = checked_add(before, term);
        before = term;
        term = next;
    }
    return term;
}

Terms terms_from(std::int64_t first, std::int64_t second) {
    Terms terms{};
    terms[0] = first;
    terms[1] = second;
    for (int k = 2; k < kTermCount; ++k) {
        terms[k] = checked_add(terms[k - 2], terms[k - 1]);
    }
    return terms;
}

Shown shown_terms(const Problem& problem) {
    Shown shown;
    for (int k = 0; k < kTermCount; ++k) {
        if (!problem.hidden[k]) {
            shown[k] = problem.terms[k];
        }
    }
    return shown;
}

std::optional<std::vector<Step>> work_out(const Shown& shown) {
    Known known{};
    Terms values{};
    for (int k = 0; k < kTermCount; ++k) {
        known[k] = shown[k].has_value();
        values[k] = shown[k].value_or(0);
    }
    std::vector<Step> steps;
    while (auto step = next_step(known)) {
        step->value = step->subtraction ? checked_sub(values[step->left], values[step->right])
                                        : checked_add(values[step->left], values[step->right]);
        values[step->position] = step->value;
        known[step->position] = true;
        steps.push_back(*step);
    }
    if (!workable(known)) {
        return std::nullopt;
    }
    return steps;
}

const std::vector<Pattern>& hidden_patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (unsigned bits = 0; bits < (1u << kTermCount); ++bits) {
            const int count = __builtin_popcount(bits);
            if (count < 3 || count > 6 || (bits & 3u) == 0) {
                continue;
            }
            Pattern hidden{};
            Known known{};
            for (int k = 0; k < kTermCount; ++k) {
                hidden[k] = (bits >> k) & 1u;
                known[k] = !hidden[k];
            }
            if (workable(known)) {
                list.push_back(hidden);
            }
        }
        return list;
    }();
    return patterns;
}

Problem make_problem(Kind kind, RandomSource& random) {
    const std::vector<Pattern>& patterns = hidden_patterns();
    Problem problem{kind, {}, {}};
    problem.terms = draw_terms(kind, random);
    problem.hidden = patterns[std::size_t(random.draw(0, int(patterns.size()) - 1))];
    return problem;
}

std::string shown_text(const Problem& problem) {
    return joined(shown_terms(problem));
}

std::string terms_text(const Terms& terms) {
    Shown shown;
    for (int k = 0; k < kTermCount; ++k) {
        shown[k] = terms[k];
    }
    return joined(shown);
}

std::string step_text(const Step& step, const Terms& terms) {
    const char* sign = step.subtraction ? " - " : " + ";
    return std::to_string(terms[step.left]) + sign + operand(terms[step.right]) + " = " +
           std::to_string(step.value);
}

} // namespace chalkline::fibonacci
