// SPDX-License-Identifier: GPL-3.0-or-later
#include "magicsquares_logic.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <string>

namespace chalkline::magicsquares {
namespace {

using chalkline::testing::ScriptedRandom;
using Texts = std::array<std::string, square_size>;

// The eight lines of the solution square, as indices into s1 to s9.
constexpr std::array<std::array<int, 3>, 8> solution_lines = {{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {0, 3, 6},
    {1, 4, 7},
    {2, 5, 8},
    {0, 4, 8},
    {2, 4, 6},
}};

class MagicSquaresLogic : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(MagicSquaresLogic, EveryLineOfEverySquareSumsToThreeTimesTheCentre) {
    for (int c = -9; c <= 15; ++c) {
        for (int b = -9; b <= 15; ++b) {
            for (int a = -9; a <= 15; ++a) {
                const SquareParams params{c, b, a};
                const auto s = square_values(params);
                EXPECT_EQ(s[4], c);
                for (const auto& line : solution_lines) {
                    ASSERT_EQ(s[std::size_t(line[0])] + s[std::size_t(line[1])] +
                                  s[std::size_t(line[2])],
                              magic_sum(params))
                        << "c=" << c << " b=" << b << " a=" << a;
                }
            }
        }
    }
}

TEST_F(MagicSquaresLogic, ArrangementsDealTheTilesOfTheirRow) {
    // Square c = 6, b = 2, a = 3: s1 to s9 are 3, 7, 8, 11, 6, 1, 4, 5, 9.
    const struct {
        TileArrangement arrangement;
        Texts tiles;
    } cases[] = {
        {1, {"3", "7", "8", "11", "6", "1", "4", "5", "9"}},
        {2, {"9", "5", "4", "1", "11", "6", "8", "7", "3"}},
        {3, {"3", "8", "7", "6", "11", "4", "1", "9", "5"}},
        {4, {"6", "5", "9", "3", "7", "8", "11", "1", "4"}},
        {5, {"9", "7", "8", "1", "5", "3", "4", "6", "11"}},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(deal({6, 2, 3}, test.arrangement), test.tiles)
            << "arrangement " << test.arrangement;
    }
    EXPECT_THROW(arrangement_order(0), std::out_of_range);
    EXPECT_THROW(arrangement_order(6), std::out_of_range);
}

TEST_F(MagicSquaresLogic, PositiveSquaresAreExactlyThoseWithCentreAboveBothOffsets) {
    for (int c = 1; c <= 15; ++c) {
        for (int b = 1; b <= 15; ++b) {
            for (int a = 1; a <= 15; ++a) {
                EXPECT_EQ(all_values_positive({c, b, a}), c >= a + b + 1)
                    << "c=" << c << " b=" << b << " a=" << a;
            }
        }
    }
}

TEST_F(MagicSquaresLogic, PositiveKindRedrawsAllThreeUntilEveryValueIsPositive) {
    // Arrangement first, then c, b, a: 5, 2, 3 gives c - a - b = 0 and is drawn again.
    const struct {
        TileArrangement arrangement;
        Texts tiles;
    } cases[] = {
        {1, {"3", "7", "8", "11", "6", "1", "4", "5", "9"}},
        {2, {"9", "5", "4", "1", "11", "6", "8", "7", "3"}},
    };
    for (const auto& test : cases) {
        ScriptedRandom random;
        random.then(test.arrangement, 1, 5);
        random.then(5, 1, 15).then(2, 1, 15).then(3, 1, 15);
        random.then(6, 1, 15).then(2, 1, 15).then(3, 1, 15);
        const auto square = make_problem(Kind::PositiveWhole, random);
        EXPECT_EQ(random.reseeds(), 1);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(square.arrangement, test.arrangement);
        EXPECT_EQ(square.params.c, 6);
        EXPECT_EQ(square.params.b, 2);
        EXPECT_EQ(square.params.a, 3);
        EXPECT_EQ(square.tiles, test.tiles);
        EXPECT_EQ(magic_sum_text(square.params), "18");
    }
}

TEST_F(MagicSquaresLogic, PositiveKindStaysWithinItsBoundsOverManySquares) {
    ClockRandom random;
    for (int n = 0; n < 3000; ++n) {
        const auto square = make_problem(Kind::PositiveWhole, random);
        ASSERT_GE(square.arrangement, 1);
        ASSERT_LE(square.arrangement, 5);
        ASSERT_GE(square.params.c, 3);
        ASSERT_LE(square.params.c, 15);
        for (int value : square_values(square.params)) {
            ASSERT_GE(value, 1);
            ASSERT_LE(value, 29);
        }
        ASSERT_GE(magic_sum(square.params), 9);
        ASSERT_LE(magic_sum(square.params), 45);
    }
}

TEST_F(MagicSquaresLogic, IntegerKindDrawsOnceAndKeepsNegativeAndRepeatedValues) {
    const struct {
        int arrangement, c, b, a;
        std::string magic;
        Texts tiles;
    } cases[] = {
        // c = -4, b = 5, a = -9: s1 to s9 are 5, -18, 1, -8, -4, 0, -9, 10, -13.
        {1, -4, 5, -9, "-12", {"5", "-18", "1", "-8", "-4", "0", "-9", "10", "-13"}},
        // a = b = 0: every tile shows the centre.
        {4, 7, 0, 0, "21", {"7", "7", "7", "7", "7", "7", "7", "7", "7"}},
        // a = b: three tiles carry the centre.
        {1, 0, -9, -9, "0", {"9", "0", "-9", "-18", "0", "18", "9", "0", "-9"}},
    };
    for (const auto& test : cases) {
        ScriptedRandom random;
        random.then(test.arrangement, 1, 5);
        random.then(test.c, -9, 9).then(test.b, -9, 9).then(test.a, -9, 9);
        const auto square = make_problem(Kind::Integers, random);
        EXPECT_EQ(random.reseeds(), 1);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(square.params.c, test.c);
        EXPECT_EQ(square.tiles, test.tiles);
        EXPECT_EQ(magic_sum_text(square.params), test.magic);
        EXPECT_EQ(solution(square.params).magic_sum, test.magic);
    }
}

TEST_F(MagicSquaresLogic, IntegerKindReachesBothEndsOfItsRange) {
    const float largest = std::nextafter(1.0f, 0.0f);
    ScriptedRandom lowest{0.0f, 0.0f, 0.0f, 0.0f};
    const auto low = make_problem(Kind::Integers, lowest);
    EXPECT_EQ(low.arrangement, 1);
    EXPECT_EQ(low.params.c, -9);
    EXPECT_EQ(low.params.b, -9);
    EXPECT_EQ(low.params.a, -9);
    ScriptedRandom highest{largest, largest, largest, largest};
    const auto high = make_problem(Kind::Integers, highest);
    EXPECT_EQ(high.arrangement, 5);
    EXPECT_EQ(high.params.c, 9);
    EXPECT_EQ(high.tiles[1], "9"); // s2 = c + a - b
}

TEST_F(MagicSquaresLogic, SolutionListsTheSquareInReadingOrder) {
    const auto result = solution({6, 2, 3});
    EXPECT_EQ(result.cells, (Texts{"3", "7", "8", "11", "6", "1", "4", "5", "9"}));
    EXPECT_EQ(result.magic_sum, "18");
}

} // namespace
} // namespace chalkline::magicsquares
