// SPDX-License-Identifier: GPL-3.0-or-later
#include "pandigital_logic.h"

#include "draws.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

namespace chalkline::pandigital {

namespace {

// Denominators of the targets looked for.
constexpr std::int64_t kLargestTargetDenominator = 30;
constexpr int kLargestUnitDenominator = 9;
// Any Fraction's targets have this many forms at least: one alone is a needle in a
// haystack of 9! arrangements.
constexpr std::size_t kFewestOtherForms = 2;
constexpr unsigned kAllDigits = 0x3FE; // bits 1 to 9

// The bits of a number's digits, or 0 when a digit is 0 or comes twice.
unsigned digit_bits(std::int64_t number) {
    unsigned bits = 0;
    for (; number > 0; number /= 10) {
        const unsigned bit = 1u << (number % 10);
        if ((bits & bit) || bit == 1) {
            return 0;
        }
        bits |= bit;
    }
    return bits;
}

void put_digits(std::int64_t number, Digits& form, int end) {
    for (int place = end - 1; number > 0; --place, number /= 10) {
        form[std::size_t(place)] = int(number % 10);
    }
}

struct TargetForms {
    Fraction target;
    std::vector<Digits> forms;
};

// For each target p/q with 1 <= p < q <= 30 in lowest terms: every numerator n of four
// different digits whose denominator n q / p has the other five digits. As p and q share
// no factor, n is a multiple of p, and d of five digits bounds it: so few numerators are
// tried. That is every arrangement of the nine digits whose value is the target, found
// without going through all 9! of them.
std::vector<TargetForms> find_all_forms() {
    // The digits of every four-digit number, looked up rather than worked out again.
    std::vector<unsigned> four_digit_bits(9877, 0);
    for (std::int64_t n = 1234; n <= 9876; ++n) {
        four_digit_bits[std::size_t(n)] = digit_bits(n);
    }
    std::vector<TargetForms> all;
    for (std::int64_t q = 2; q <= kLargestTargetDenominator; ++q) {
        for (std::int64_t p = 1; p < q; ++p) {
            if (std::gcd(p, q) != 1) {
                continue;
            }
            TargetForms found{Fraction(p, q), {}};
            const std::int64_t low = std::max<std::int64_t>(1234, (10000 * p + q - 1) / q);
            const std::int64_t high = std::min<std::int64_t>(9876, 99999 * p / q);
            for (std::int64_t n = (low + p - 1) / p * p; n <= high; n += p) {
                const unsigned bits = four_digit_bits[std::size_t(n)];
                if (bits == 0) {
                    continue;
                }
                const std::int64_t d = n / p * q;
                const unsigned under = digit_bits(d);
                if (under == 0 || (bits | under) != kAllDigits || (bits & under) != 0) {
                    continue;
                }
                Digits form{};
                put_digits(n, form, kTopDigits);
                put_digits(d, form, kDigits);
                found.forms.push_back(form);
            }
            if (!found.forms.empty()) {
                all.push_back(std::move(found));
            }
        }
    }
    return all;
}

const std::vector<TargetForms>& all_forms() {
    static const std::vector<TargetForms> all = find_all_forms();
    return all;
}

std::vector<Fraction> targets_where(bool unit) {
    std::vector<Fraction> list;
    for (const TargetForms& entry : all_forms()) {
        const bool is_unit = entry.target.numerator() == 1;
        if (is_unit == unit && (unit ? entry.target.denominator() <= kLargestUnitDenominator
                                     : entry.forms.size() >= kFewestOtherForms)) {
            list.push_back(entry.target);
        }
    }
    return list;
}

int fitting_forms(const Problem& problem) {
    const std::vector<Digits>& forms = forms_of(problem.target);
    return int(std::count_if(forms.begin(), forms.end(),
                             [&](const Digits& form) { return fits_clues(form, problem); }));
}

// Of a bounded number of random choices of the clue places, the one that leaves the
// fewest forms fitting.
Places choose_clues(Problem problem, RandomSource& random) {
    constexpr int kChoices = 30;
    Places best{};
    int best_fitting = 0;
    for (int i = 0; i < kChoices && best_fitting != 1; ++i) {
        problem.clue = {};
        for (const int place : fractionkit::distinct_indexes(kClues, kDigits, random)) {
            problem.clue[std::size_t(place)] = true;
        }
        const int fitting = fitting_forms(problem);
        if (i == 0 || fitting < best_fitting) {
            best = problem.clue;
            best_fitting = fitting;
        }
    }
    return best;
}

} // namespace

Fraction value_of(const Digits& form) {
    std::int64_t numerator = 0, denominator = 0;
    for (int place = 0; place < kDigits; ++place) {
        std::int64_t& part = place < kTopDigits ? numerator : denominator;
        part = part * 10 + form[std::size_t(place)];
    }
    return Fraction(numerator, denominator);
}

const std::vector<Digits>& forms_of(const Fraction& target) {
    static const std::vector<Digits> none;
    for (const TargetForms& entry : all_forms()) {
        if (entry.target == target) {
            return entry.forms;
        }
    }
    return none;
}

const std::vector<Fraction>& targets(Kind kind) {
    static const std::vector<Fraction> unit = targets_where(true);
    static const std::vector<Fraction> other = targets_where(false);
    return kind == Kind::AnyFraction ? other : unit;
}

Problem make_problem(Kind kind, RandomSource& random) {
    Problem problem;
    problem.target = fractionkit::any_of(targets(kind), random);
    const std::vector<Digits>& forms = forms_of(problem.target);
    problem.ways = int(forms.size());
    problem.form = forms[std::size_t(random.draw(0, problem.ways - 1))];
    if (kind == Kind::WithClues) {
        problem.clue = choose_clues(problem, random);
    }
    return problem;
}

bool fits_clues(const Digits& form, const Problem& problem) {
    for (int place = 0; place < kDigits; ++place) {
        if (problem.clue[std::size_t(place)] &&
            form[std::size_t(place)] != problem.form[std::size_t(place)]) {
            return false;
        }
    }
    return true;
}

std::string form_text(const Digits& form, const Places& shown) {
    std::string text;
    for (int place = 0; place < kDigits; ++place) {
        if (place == kTopDigits) {
            text += '/';
        }
        text += shown[std::size_t(place)] ? char('0' + form[std::size_t(place)]) : '?';
    }
    return text;
}

} // namespace chalkline::pandigital
