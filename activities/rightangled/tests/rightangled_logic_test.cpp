// SPDX-License-Identifier: GPL-3.0-or-later
#include "rightangled_logic.h"

#include "fraction.h"

#include "stuck_random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace chalkline::rightangled {
namespace {

using chalkline::testing::StuckRandom;

Fraction length(int tenths) {
    return Fraction(tenths, 10);
}

// What the working's line says after its last "= ".
std::string last_term(const std::string& line) {
    return line.substr(line.rfind("= ") + 2);
}

// Over 2000 seeded problems of each kind: the kind's side to find, lengths in range that
// make a triangle, the working's lines, an answer right to its place (checked with
// fractions, apart from the whole-number search the logic makes), never the same
// problem twice running, and a drawing with its right angle opposite the hypotenuse.
TEST(RightAngledLogic, ProblemsOfEveryKindHoldTheirRules) {
    for (const Kind kind : {Kind::Hypotenuse, Kind::ShorterSide, Kind::Mixed}) {
        SeededRandom random(static_cast<std::uint32_t>(kind) + 11);
        Problem previous;
        std::set<bool> exact_seen;
        std::set<bool> hypotenuse_seen;
        std::set<int> orientations;
        for (int round = 0; round < 2000; ++round) {
            const Problem p = make_problem(kind, random, previous);
            SCOPED_TRACE(std::to_string(p.shorter_a) + " " + std::to_string(p.shorter_b) + " " +
                         std::to_string(p.hypotenuse));
            ASSERT_FALSE(same_lengths(p, previous));
            previous = p;
            hypotenuse_seen.insert(p.hypotenuse_to_find());
            orientations.insert(p.orientation);
            if (kind != Kind::Mixed) {
                ASSERT_EQ(p.hypotenuse_to_find(), kind == Kind::Hypotenuse);
            }
            const int given[] = {p.hypotenuse_to_find() ? p.shorter_a : p.hypotenuse, p.shorter_b};
            for (const int g : given) {
                ASSERT_GE(g, 20);
                ASSERT_LE(g, 300);
            }
            // Whole lengths both, or both of one decimal place.
            ASSERT_EQ(given[0] % 10 == 0, given[1] % 10 == 0);
            Fraction square = p.hypotenuse_to_find()
                                  ? power(length(given[0]), 2) + power(length(given[1]), 2)
                                  : power(length(given[0]), 2) - power(length(given[1]), 2);
            ASSERT_GE(square, Fraction(4)); // a triangle, its third side 2 or more

            const Answer answer = work_out(p);
            const std::string letter = p.hypotenuse_to_find() ? "c" : "a";
            const std::string sign = p.hypotenuse_to_find() ? "² + " : "² - ";
            ASSERT_EQ(answer.working[0],
                      letter + "² = " + length_text(given[0]) + sign + length_text(given[1]) + "²");
            ASSERT_EQ(answer.working[1], letter + "² = " + *decimal_text(square));
            ASSERT_EQ(answer.working[2],
                      letter + " = √" + *decimal_text(square) + " = " + answer.value);
            ASSERT_EQ(last_term(answer.working[2]), answer.value);
            const Fraction value = *parse_fraction(answer.value);
            exact_seen.insert(answer.exact);
            if (answer.exact) {
                ASSERT_EQ(power(value, 2), square);
                ASSERT_EQ(answer.value, *decimal_text(value));
            } else {
                // Rounded half up at the first place: value - 0.05 <= root < value + 0.05.
                ASSERT_LE(power(value - Fraction(1, 20), 2), square);
                ASSERT_LT(square, power(value + Fraction(1, 20), 2));
                ASSERT_EQ(answer.value.size() - answer.value.find('.'), 2u);
            }

            const Drawing d = drawing(p);
            const int r = d.right_angle;
            ASSERT_EQ(d.sides[std::size_t((r + 1) % 3)], Side::Hypotenuse);
            const Point v = d.vertices[std::size_t(r)];
            const Point n1 = d.vertices[std::size_t((r + 1) % 3)];
            const Point n2 = d.vertices[std::size_t((r + 2) % 3)];
            ASSERT_EQ((n1.x - v.x) * (n2.x - v.x) + (n1.y - v.y) * (n2.y - v.y), 0);
            std::set<Side> sides(d.sides.begin(), d.sides.end());
            ASSERT_EQ(sides.size(), 3u);
        }
        EXPECT_EQ(exact_seen.size(), 2u); // whole answers, and answers not whole
        EXPECT_EQ(hypotenuse_seen.size(), kind == Kind::Mixed ? 2u : 1u);
        EXPECT_EQ(orientations.size(), 8u);
    }
}

// The eight orientations draw eight different triangles.
TEST(RightAngledLogic, EightOrientationsDrawEightTriangles) {
    std::set<std::array<int, 6>> drawn;
    for (int o = 0; o < 8; ++o) {
        const Drawing d = drawing({50, 70, 0, o});
        std::array<int, 6> key{};
        for (int i = 0; i < 3; ++i) {
            // Each shorter side's place, so that a mirror image counts as different.
            const auto at = std::size_t(d.sides[std::size_t(i)]);
            key[2 * at] = d.vertices[std::size_t(i)].x + d.vertices[std::size_t((i + 1) % 3)].x;
            key[2 * at + 1] = d.vertices[std::size_t(i)].y + d.vertices[std::size_t((i + 1) % 3)].y;
        }
        drawn.insert(key);
    }
    EXPECT_EQ(drawn.size(), 8u);
}

// Answers at the edge of a rule: a rounded answer with a 0 in its place, an exact
// answer that is not whole, and a whole one.
TEST(RightAngledLogic, AnswersAreWrittenToTheirPlace) {
    EXPECT_EQ(work_out({21, 22, 0, 0}).working[2], "c = √9.25 = 3.0");
    EXPECT_FALSE(work_out({21, 22, 0, 0}).exact);
    EXPECT_EQ(work_out({0, 20, 29, 0}).working[2], "a = √4.41 = 2.1");
    EXPECT_TRUE(work_out({0, 20, 29, 0}).exact);
    EXPECT_EQ(work_out({0, 50, 130, 0}).working,
              (std::array<std::string, 3>{"a² = 13² - 5²", "a² = 144", "a = √144 = 12"}));
    EXPECT_EQ(work_out({50, 70, 0, 0}).working[2], "c = √74 = 8.6");
}

// A source that gives the same problem every time still never repeats the one before.
TEST(RightAngledLogic, AStuckSourceStillChangesTheProblem) {
    for (const Kind kind : {Kind::Hypotenuse, Kind::ShorterSide, Kind::Mixed}) {
        StuckRandom random;
        Problem p = make_problem(kind, random, {});
        for (int round = 0; round < 3; ++round) {
            const Problem next = make_problem(kind, random, p);
            EXPECT_FALSE(same_lengths(next, p));
            EXPECT_EQ(next.hypotenuse_to_find(), kind != Kind::ShorterSide);
            p = next;
        }
    }
}

} // namespace
} // namespace chalkline::rightangled
