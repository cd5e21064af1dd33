// SPDX-License-Identifier: GPL-3.0-or-later
#include "rightangled_logic.h"

#include "fraction.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace chalkline::rightangled {

namespace {

// The whole square root, rounded down: the floating root is only a first guess, put
// right with whole numbers.
std::int64_t root_down(std::int64_t n) {
    auto r = std::int64_t(std::sqrt(double(n)));
    while (r * r > n) {
        --r;
    }
    while ((r + 1) * (r + 1) <= n) {
        ++r;
    }
    return r;
}

struct Triple {
    int a, b, c;
};

// The Pythagorean triples with both shorter sides whole numbers within the given range,
// for the problems whose answer is whole. Enumerated once, on first use.
const std::vector<Triple>& triples() {
    static const std::vector<Triple> list = [] {
        std::vector<Triple> found;
        for (int a = kShortest / 10; a <= kLongest / 10; ++a) {
            for (int b = a + 1; b <= kLongest / 10; ++b) {
                const auto c = int(root_down(a * a + b * b));
                if (c * c == a * a + b * b) {
                    found.push_back({a, b, c});
                }
            }
        }
        return found;
    }();
    return list;
}

// A length of one decimal place, low to high tenths, whose tenths digit is not 0.
int draw_decimal(RandomSource& random, int low, int high) {
    int count = 0;
    for (int t = low; t <= high; ++t) {
        count += t % 10 != 0;
    }
    int pick = random.draw(0, count - 1);
    for (int t = low;; ++t) {
        if (t % 10 != 0 && pick-- == 0) {
            return t;
        }
    }
}

// How the given lengths are drawn: a Pythagorean triple (a whole answer), whole
// numbers, or lengths of one decimal place.
enum class Lengths { Triple, Whole, Decimal };

Lengths draw_lengths_kind(RandomSource& random) {
    const int roll = random.draw(1, 10);
    return roll <= 2 ? Lengths::Triple : roll <= 7 ? Lengths::Whole : Lengths::Decimal;
}

// Both shorter sides given; any two lengths make a triangle.
Problem draw_shorter_sides(RandomSource& random) {
    Problem p;
    switch (draw_lengths_kind(random)) {
    case Lengths::Triple: {
        const Triple& t = triples()[std::size_t(random.draw(0, int(triples().size()) - 1))];
        const bool swap = random.draw(0, 1) == 1;
        p.shorter_a = 10 * (swap ? t.b : t.a);
        p.shorter_b = 10 * (swap ? t.a : t.b);
        break;
    }
    case Lengths::Whole:
        p.shorter_a = 10 * random.draw(kShortest / 10, kLongest / 10);
        p.shorter_b = 10 * random.draw(kShortest / 10, kLongest / 10);
        break;
    case Lengths::Decimal:
        p.shorter_a = draw_decimal(random, kShortest, kLongest);
        p.shorter_b = draw_decimal(random, kShortest, kLongest);
        break;
    }
    return p;
}

// The hypotenuse and one shorter side given: the hypotenuse is drawn first, then the
// shorter side from the lengths that leave the side to find at least the shortest
// length given (so a triangle always exists and is never a sliver).
Problem draw_hypotenuse_and_side(RandomSource& random) {
    Problem p;
    switch (draw_lengths_kind(random)) {
    case Lengths::Triple: {
        std::vector<Triple> fitting;
        std::copy_if(triples().begin(), triples().end(), std::back_inserter(fitting),
                     [](const Triple& t) { return t.c * 10 <= kLongest; });
        const Triple& t = fitting[std::size_t(random.draw(0, int(fitting.size()) - 1))];
        p.hypotenuse = 10 * t.c;
        p.shorter_b = 10 * (random.draw(0, 1) ? t.a : t.b);
        break;
    }
    case Lengths::Whole: {
        // c² - b² >= 2c - 1 >= 5: the side to find is over 2 for every b below c.
        const int c = random.draw(kShortest / 10 + 1, kLongest / 10);
        p.hypotenuse = 10 * c;
        p.shorter_b = 10 * random.draw(kShortest / 10, c - 1);
        break;
    }
    case Lengths::Decimal: {
        // b is more than kShortest and at most the root of c² - kShortest², which leaves
        // room from c = 2.9 on.
        p.hypotenuse = draw_decimal(random, 29, kLongest);
        const auto highest =
            int(root_down(std::int64_t(p.hypotenuse) * p.hypotenuse - kShortest * kShortest));
        p.shorter_b = draw_decimal(random, kShortest + 1, highest);
        break;
    }
    }
    return p;
}

Problem draw_problem(Kind kind, RandomSource& random) {
    const bool hypotenuse =
        kind == Kind::Hypotenuse || (kind == Kind::Mixed && random.draw(0, 1) == 0);
    Problem p = hypotenuse ? draw_shorter_sides(random) : draw_hypotenuse_and_side(random);
    p.orientation = random.draw(0, 7);
    return p;
}

constexpr int kAttempts = 20;

} // namespace

bool same_lengths(const Problem& a, const Problem& b) {
    if (a.hypotenuse_to_find() != b.hypotenuse_to_find()) {
        return false;
    }
    if (a.hypotenuse_to_find()) {
        return std::minmax(a.shorter_a, a.shorter_b) == std::minmax(b.shorter_a, b.shorter_b);
    }
    return a.hypotenuse == b.hypotenuse && a.shorter_b == b.shorter_b;
}

Problem make_problem(Kind kind, RandomSource& random, const Problem& previous) {
    random.reseed();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Problem p = draw_problem(kind, random);
        if (!same_lengths(p, previous)) {
            return p;
        }
    }
    // Fixed problems of the kind, of which at most one can be the previous one.
    const Problem fallback[] = {
        kind == Kind::ShorterSide ? Problem{0, 50, 130, 0} : Problem{50, 70, 0, 0},
        kind == Kind::ShorterSide ? Problem{0, 70, 100, 5} : Problem{60, 90, 0, 5}};
    return same_lengths(fallback[0], previous) ? fallback[1] : fallback[0];
}

std::string length_text(int tenths) {
    return *decimal_text(Fraction(tenths, 10));
}

Answer work_out(const Problem& problem) {
    Answer answer;
    const auto square = [](int tenths) { return std::int64_t(tenths) * tenths; };
    const bool hypotenuse = problem.hypotenuse_to_find();
    const std::string letter = hypotenuse ? "c" : "a";
    if (hypotenuse) {
        answer.hundred_squares = square(problem.shorter_a) + square(problem.shorter_b);
        answer.working[0] = "c² = " + length_text(problem.shorter_a) + "² + " +
                            length_text(problem.shorter_b) + "²";
    } else {
        answer.hundred_squares = square(problem.hypotenuse) - square(problem.shorter_b);
        answer.working[0] = "a² = " + length_text(problem.hypotenuse) + "² - " +
                            length_text(problem.shorter_b) + "²";
    }
    const std::int64_t s = answer.hundred_squares;
    // k - 1/2 <= root(S) < k + 1/2, that is (2k - 1)² <= 4S < (2k + 1)².
    std::int64_t k = root_down(s);
    if ((2 * k + 1) * (2 * k + 1) <= 4 * s) {
        ++k;
    }
    answer.tenths = k;
    answer.exact = k * k == s;
    answer.value = answer.exact ? *decimal_text(Fraction(k, 10)) : rounded_text(Fraction(k, 10), 1);
    const std::string squared = *decimal_text(Fraction(s, 100));
    answer.working[1] = letter + "² = " + squared;
    answer.working[2] = letter + " = √" + squared + " = " + answer.value;
    return answer;
}

Drawing drawing(const Problem& problem) {
    const Answer answer = work_out(problem);
    const std::int64_t a = problem.shorter_a ? problem.shorter_a : answer.tenths;
    const std::int64_t b = problem.shorter_b;
    // The shorter side across first (orientations 0 to 3) or down (4 to 7).
    const bool a_across = problem.orientation < 4;
    const std::int64_t across = a_across ? a : b;
    const std::int64_t down = a_across ? b : a;
    const std::int64_t longer = std::max(across, down);
    const auto drawn = [&](std::int64_t side) {
        return int(std::max<std::int64_t>(500, (1000 * side + longer / 2) / longer));
    };
    const int width = drawn(across);
    const int height = drawn(down);
    // The right angle in the top left, top right, bottom right or bottom left corner.
    const int corner = problem.orientation % 4;
    const int x = corner == 1 || corner == 2 ? width : 0;
    const int y = corner >= 2 ? height : 0;
    Drawing d;
    d.vertices = {Point{x, y}, Point{width - x, y}, Point{x, height - y}};
    d.sides = {a_across ? Side::ShorterA : Side::ShorterB, Side::Hypotenuse,
               a_across ? Side::ShorterB : Side::ShorterA};
    d.right_angle = 0;
    return d;
}

} // namespace chalkline::rightangled
