// SPDX-License-Identifier: GPL-3.0-or-later
#include "spiderdiagrams_logic.h"

#include "stuck_random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace chalkline::spiderdiagrams {
namespace {

// Works a leg out from its text alone, as the class reads it: "x -3", "÷ 4", "²".
Fraction worked_from_text(const std::string& text, const Fraction& centre) {
    if (text == "²") {
        return centre * centre;
    }
    const std::string sign = text.substr(0, text.find(' '));
    const Fraction number = parse_fraction(text.substr(sign.size() + 1)).value();
    return sign == "+"   ? centre + number
           : sign == "-" ? centre - number
           : sign == "x" ? centre * number
                         : centre / number;
}

// Eight different operations, every answer the operation done to the centre, of the kind,
// and short enough for its box.
void expect_sound(const SpiderProblem& p) {
    const std::string where = "centre " + value_text(p.centre);
    std::set<std::string> texts;
    bool below_zero = false;
    for (const Operation& leg : p.legs) {
        const std::string text = operation_text(leg);
        texts.insert(text);
        const Fraction answer = apply(leg, p.centre);
        EXPECT_EQ(answer, worked_from_text(text, p.centre)) << where << ", " << text;
        EXPECT_LE(value_text(answer).size(), 6u) << where << ", " << text;
        below_zero = below_zero || answer < 0;
        if (p.kind == Kind::Decimals) {
            EXPECT_TRUE(answer > 0 && decimal_text(answer)) << where << ", " << text;
        } else {
            EXPECT_TRUE(answer.is_whole()) << where << ", " << text;
            EXPECT_TRUE(p.kind == Kind::Integers || answer > 0) << where << ", " << text;
        }
    }
    EXPECT_EQ(texts.size(), std::size_t(kLegs)) << where;
    EXPECT_LE(value_text(p.centre).size(), 4u) << where;
    if (p.kind == Kind::PositiveWholeNumbers) {
        EXPECT_TRUE(p.centre.is_whole() && p.centre > 0) << where;
    } else if (p.kind == Kind::Integers) {
        EXPECT_TRUE(p.centre.is_whole() && p.centre != 0 && below_zero) << where;
    } else {
        EXPECT_TRUE(!p.centre.is_whole() && p.centre > 0) << where;
    }
}

TEST(SpiderDiagramsLogic, EveryProblemIsExactOfItsKindAndNew) {
    for (const Kind kind : {Kind::PositiveWholeNumbers, Kind::Integers, Kind::Decimals}) {
        SeededRandom random(std::uint32_t(int(kind) + 1) * 104729u);
        std::optional<SpiderProblem> previous;
        int negative_centres = 0;
        for (int i = 0; i < 2000; ++i) {
            const SpiderProblem p = make_problem(kind, random, previous);
            ASSERT_EQ(p.kind, kind);
            expect_sound(p);
            EXPECT_NE(p, previous);
            negative_centres += p.centre < 0;
            previous = p;
        }
        // Integers put negative numbers at the centre too, not only in the answers.
        EXPECT_EQ(negative_centres > 0, kind == Kind::Integers);
    }
}

// A source that draws the same numbers every time still gives a new problem each Go.
TEST(SpiderDiagramsLogic, AStuckSourceStillGivesNewSoundProblems) {
    for (const float u : {0.0f, 0.99999f}) {
        for (const Kind kind : {Kind::PositiveWholeNumbers, Kind::Integers, Kind::Decimals}) {
            testing::StuckRandom random(u);
            std::optional<SpiderProblem> previous;
            for (int i = 0; i < 3; ++i) {
                const SpiderProblem p = make_problem(kind, random, previous);
                expect_sound(p);
                EXPECT_NE(p, previous);
                previous = p;
            }
        }
    }
}

TEST(SpiderDiagramsLogic, TextsAndKinds) {
    EXPECT_EQ(operation_text({Operator::Multiply, -3}), "x -3");
    EXPECT_EQ(operation_text({Operator::Half, 0}), "÷ 2");
    SeededRandom random(1);
    EXPECT_THROW(make_problem(Kind(-1), random), std::invalid_argument);
}

} // namespace
} // namespace chalkline::spiderdiagrams
