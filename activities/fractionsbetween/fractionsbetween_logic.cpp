// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionsbetween_logic.h"

#include "draws.h"

#include <numeric>
#include <stdexcept>
#include <vector>

namespace chalkline::fractionsbetween {

namespace {

// The fractions strictly between 0 and 1 in lowest terms with denominators up to 10.
std::vector<Fraction> proper_fractions() {
    std::vector<Fraction> values;
    for (std::int64_t denominator = 2; denominator <= kLargestDenominator; ++denominator) {
        for (std::int64_t numerator = 1; numerator < denominator; ++numerator) {
            if (std::gcd(numerator, denominator) == 1) {
                values.emplace_back(numerator, denominator);
            }
        }
    }
    return values;
}

// Neighbours: a/b < c/d with bc - ad = 1, so that no fraction of denominator up to the
// larger of b and d lies between (the first between them is their mediant).
bool neighbours(const Fraction& a, const Fraction& c) {
    return a.denominator() * c.numerator() - a.numerator() * c.denominator() == 1;
}

std::vector<Pair> pairs_of(Kind kind) {
    const std::vector<Fraction> values = proper_fractions();
    std::vector<Pair> pairs;
    for (const Fraction& a : values) {
        for (const Fraction& c : values) {
            if (!(a < c)) {
                continue;
            }
            if (kind == Kind::Improper) {
                for (std::int64_t whole = 1; whole <= 4; ++whole) {
                    pairs.push_back({whole + a, whole + c});
                }
            } else if (neighbours(a, c) == (kind == Kind::Close)) {
                pairs.push_back({a, c});
            }
        }
    }
    return pairs;
}

const std::vector<Pair>& pairs(Kind kind) {
    static const std::vector<Pair> lists[3] = {pairs_of(Kind::Easy), pairs_of(Kind::Close),
                                               pairs_of(Kind::Improper)};
    return lists[int(kind)];
}

} // namespace

Pair make_problem(Kind kind, RandomSource& random, const Pair* previous) {
    random.reseed();
    const std::vector<Pair>& list = pairs(kind);
    const int avoid = previous ? fractionkit::index_of(list, *previous) : -1;
    return list[std::size_t(fractionkit::index_other_than(int(list.size()), avoid, random))];
}

Fraction mediant(const Fraction& a, const Fraction& b) {
    return Fraction(a.numerator() + b.numerator(), a.denominator() + b.denominator());
}

Fraction simplest_between(const Fraction& low, const Fraction& high) {
    if (!(Fraction(0) <= low && low < high)) {
        throw std::invalid_argument("simplest_between needs 0 <= low < high");
    }
    // The tree's node between the bounds left (a/b) and right (c/d, 1/0 at first) is
    // their mediant; the walk goes towards the pair until a node lies strictly inside.
    // It passes only the answer's ancestors, fewer than its numerator and denominator
    // together, and the mediant of low and high lies inside: so it ends within that
    // mediant's numerator and denominator together.
    std::int64_t a = 0, b = 1, c = 1, d = 0;
    for (;;) {
        const std::int64_t n = a + c, m = b + d;
        const Fraction node(n, m);
        if (node <= low) {
            a = n;
            b = m;
        } else if (node >= high) {
            c = n;
            d = m;
        } else {
            return node;
        }
    }
}

Answers answers(const Pair& pair) {
    return {(pair.smaller + pair.larger) / 2, mediant(pair.smaller, pair.larger),
            simplest_between(pair.smaller, pair.larger)};
}

std::string text(const Fraction& value) {
    return mixed_text(value);
}

} // namespace chalkline::fractionsbetween
