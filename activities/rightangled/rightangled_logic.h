// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <array>
#include <cstdint>
#include <string>

namespace chalkline::rightangled {

// The kinds, in the order of the screen's options.
enum class Kind { Hypotenuse, ShorterSide, Mixed };

// A right-angled triangle with two sides given and the third to find. Lengths are held
// in tenths (53 stands for 5.3), so that every length and square is a whole number; the
// side to find is 0. With the hypotenuse to find, both shorter sides are given; with a
// shorter side to find, the hypotenuse and shorter_b are given and shorter_a is found.
struct Problem {
    int shorter_a = 0;
    int shorter_b = 0;
    int hypotenuse = 0;
    // One of the eight ways the triangle is drawn (see drawing()).
    int orientation = 0;

    bool hypotenuse_to_find() const { return hypotenuse == 0; }
    friend bool operator==(const Problem&, const Problem&) = default;
};

// The smallest and largest lengths given, in tenths.
constexpr int kShortest = 20;
constexpr int kLongest = 300;

// A new problem of the kind, never the same two lengths as the one before (whatever the
// drawing). Built constructively: the lengths are drawn from ranges where every choice
// makes a triangle, so no draw is ever rejected for that; a repeat of the previous
// problem is drawn again at most a fixed number of times, then a fixed problem that
// differs from it is taken.
Problem make_problem(Kind kind, RandomSource& random, const Problem& previous = {});

// Whether two problems give the same two lengths for the same side to find.
bool same_lengths(const Problem& a, const Problem& b);

// The answer, worked exactly: 100 times the square of the side to find is a whole
// number S, and the side to one decimal place, in tenths, is the k with
// (k - 1/2)² <= S < (k + 1/2)², found with whole numbers alone.
struct Answer {
    std::int64_t hundred_squares = 0; // S
    std::int64_t tenths = 0;          // k
    bool exact = false;               // k² = S: the side is exactly k tenths
    // The working, one line each: "c² = 5² + 7²", "c² = 74", "c = √74 = 8.6" (or
    // "a² = 13² - 5²", "a² = 144", "a = √144 = 12" for a shorter side).
    std::array<std::string, 3> working;
    // The answer as written: "8.6" (to 1 decimal place when not exact), "12", "2.5".
    std::string value;
};
Answer work_out(const Problem& problem);

// A length in tenths as the class writes it: "5", "5.3".
std::string length_text(int tenths);

// The drawing: a triangle with its shorter sides along the axes, the right angle in one
// of the four corners of its box and either shorter side across, in units of which the
// longer shorter side has 1000 (y downwards). It is not to scale: the other shorter side
// is drawn in proportion but never shorter than half of it. Side i joins vertex i to
// vertex i + 1 (the last to the first).
enum class Side { ShorterA, ShorterB, Hypotenuse };
struct Point {
    int x = 0;
    int y = 0;
};
struct Drawing {
    std::array<Point, 3> vertices;
    std::array<Side, 3> sides;
    int right_angle = 0; // the vertex with the right angle
};
Drawing drawing(const Problem& problem);

} // namespace chalkline::rightangled
