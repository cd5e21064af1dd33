// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic_logic.h"

#include <array>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace chalkline::quadratic {

namespace {

constexpr int kLargest = 12;
constexpr int kRedraws = 32;

// A whole number from -12 to 12 other than 0.
int draw_nonzero(RandomSource& random) {
    const int value = random.draw(1, 2 * kLargest) - kLargest;
    return value <= 0 ? value - 1 : value;
}

std::string power_text(int power) {
    return power == 0 ? "" : power == 1 ? "x" : "x²";
}

// The factors x + p and x + q in their written order.
void order_monic(QuadraticProblem& problem) {
    const int p = problem.p;
    const int q = problem.q;
    if (std::abs(q) < std::abs(p) || (std::abs(q) == std::abs(p) && q > p)) {
        std::swap(problem.p, problem.q);
    }
}

QuadraticProblem draw_problem(Kind kind, RandomSource& random) {
    QuadraticProblem problem{.kind = kind};
    // About one problem in six is a square or (with negatives) a difference of two squares.
    const bool special = random.draw(1, 6) == 1;
    switch (kind) {
    case Kind::Positive:
        problem.p = random.draw(1, kLargest);
        problem.q = special ? problem.p : random.draw(1, kLargest);
        break;
    case Kind::WithNegatives:
        problem.p = draw_nonzero(random);
        if (special) {
            problem.p = -std::abs(problem.p);
            problem.q = random.draw(0, 1) == 0 ? problem.p : -problem.p;
        } else {
            problem.q = draw_nonzero(random);
            if (problem.p > 0 && problem.q > 0) {
                // One constant at least is negative, or it would be a problem of the Positive kind.
                (random.draw(0, 1) == 0 ? problem.p : problem.q) *= -1;
            }
        }
        break;
    case Kind::Leading: {
        // p shares no factor with a, so that a, b and c have none in common.
        problem.a = random.draw(2, 6);
        std::array<int, 2 * kLargest> choices{};
        int count = 0;
        for (int p = -kLargest; p <= kLargest; ++p) {
            if (p != 0 && std::gcd(problem.a, p) == 1) {
                choices[std::size_t(count++)] = p;
            }
        }
        problem.p = choices[std::size_t(random.draw(0, count - 1))];
        problem.q = draw_nonzero(random);
        return problem;
    }
    default:
        throw std::invalid_argument("quadratic: no such kind");
    }
    order_monic(problem);
    return problem;
}

// Two quadratics of each kind that differ from each other, for the rare draw that keeps
// giving the previous one.
QuadraticProblem fallback(Kind kind, const QuadraticProblem* previous) {
    const std::array<QuadraticProblem, 2> fixed =
        kind == Kind::Positive
            ? std::array{QuadraticProblem{kind, 1, 2, 3}, QuadraticProblem{kind, 1, 3, 4}}
        : kind == Kind::WithNegatives
            ? std::array{QuadraticProblem{kind, 1, 3, -4}, QuadraticProblem{kind, 1, 2, -5}}
            : std::array{QuadraticProblem{kind, 2, 3, -1}, QuadraticProblem{kind, 3, -2, 4}};
    return previous && *previous == fixed[0] ? fixed[1] : fixed[0];
}

} // namespace

std::string terms_text(std::span<const Term> terms) {
    std::string text;
    for (const Term& term : terms) {
        if (term.coefficient == 0) {
            continue;
        }
        const bool negative = term.coefficient < 0;
        if (text.empty()) {
            text += negative ? "-" : "";
        } else {
            text += negative ? " - " : " + ";
        }
        const int size = std::abs(term.coefficient);
        if (size != 1 || term.power == 0) {
            text += std::to_string(size);
        }
        text += power_text(term.power);
    }
    return text.empty() ? "0" : text;
}

QuadraticProblem make_problem(Kind kind, RandomSource& random, const QuadraticProblem* previous) {
    random.reseed();
    for (int attempt = 0; attempt < kRedraws; ++attempt) {
        const QuadraticProblem problem = draw_problem(kind, random);
        if (!previous || problem != *previous) {
            return problem;
        }
    }
    return fallback(kind, previous);
}

std::string quadratic_text(const QuadraticProblem& problem) {
    const std::array<Term, 3> terms{{{problem.a, 2}, {problem.b(), 1}, {problem.c(), 0}}};
    return terms_text(terms);
}

std::string factors_text(const QuadraticProblem& problem) {
    const std::array<Term, 2> first{{{problem.a, 1}, {problem.p, 0}}};
    const std::array<Term, 2> second{{{1, 1}, {problem.q, 0}}};
    const std::string left = "(" + terms_text(first) + ")";
    if (problem.a == 1 && problem.p == problem.q) {
        return left + "²";
    }
    return left + "(" + terms_text(second) + ")";
}

std::string expansion_text(const QuadraticProblem& problem) {
    const std::array<Term, 4> terms{
        {{problem.a, 2}, {problem.a * problem.q, 1}, {problem.p, 1}, {problem.p * problem.q, 0}}};
    return terms_text(terms);
}

} // namespace chalkline::quadratic
