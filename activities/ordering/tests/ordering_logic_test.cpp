// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_logic.h"

#include "number_text.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace chalkline::ordering {
namespace {

using chalkline::testing::ScriptedRandom;

class OrderingLogic : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Scripts one decimal: its count of places, then its digits.
void script_decimal(ScriptedRandom& random, const std::string& digits) {
    random.then(int(digits.size()), 1, 3);
    for (char digit : digits) {
        random.then(digit - '0', 1, 9);
    }
}

OrderingBoard dirty_board() {
    OrderingBoard board;
    board.numbers = {"1", "2", "3", "4", "5"};
    board.used = {true, true, false, true, false};
    board.places = {"2", "1", "4", "", ""};
    return board;
}

// Each kind draws in its range and order, redraws a 0 integer in place, and redraws the
// whole set on any repeat; decimals keep the whole part drawn once for the set.
TEST_F(OrderingLogic, CalculateDrawsEachKindWithItsRedraws) {
    struct Case {
        const char* name;
        Kind kind;
        ScriptedRandom random;
        Texts expected;
    };
    std::vector<Case> cases;
    {
        Case c{"whole numbers", Kind::PositiveWholeNumbers, {}, {"1", "50", "17", "2", "33"}};
        c.random.then(1, 1, 50).then(50, 1, 50).then(17, 1, 50).then(2, 1, 50).then(33, 1, 50);
        cases.push_back(c);
    }
    {
        Case c{"whole numbers with a repeat",
               Kind::PositiveWholeNumbers,
               {},
               {"8", "9", "10", "11", "12"}};
        for (int v : {5, 6, 7, 8, 5, 8, 9, 10, 11, 12}) {
            c.random.then(v, 1, 50);
        }
        cases.push_back(c);
    }
    {
        Case c{"integers with a zero", Kind::Integers, {}, {"-50", "7", "50", "-1", "1"}};
        for (int v : {-50, 0, 0, 7, 50, -1, 0, 1}) {
            c.random.then(v, -50, 50);
        }
        cases.push_back(c);
    }
    {
        Case c{"integers with a repeat", Kind::Integers, {}, {"3", "-3", "4", "-4", "5"}};
        for (int v : {-7, 2, 9, -7, 1, 3, -3, 4, -4, 5}) {
            c.random.then(v, -50, 50);
        }
        cases.push_back(c);
    }
    {
        Case c{"decimals sharing a whole part",
               Kind::Decimals,
               {},
               {"4.7", "4.63", "4.125", "4.9", "4.58"}};
        c.random.then(4, 1, 5);
        for (const char* digits : {"7", "63", "125", "9", "58"}) {
            script_decimal(c.random, digits);
        }
        cases.push_back(c);
    }
    {
        // The redraw must not draw a new whole part: if it did, the script would run
        // out of step and the numbers would differ.
        Case c{
            "decimals with a repeat", Kind::Decimals, {}, {"1.1", "1.11", "1.111", "1.2", "1.22"}};
        c.random.then(1, 1, 5);
        for (const char* digits : {"5", "55", "555", "9", "5", "1", "11", "111", "2", "22"}) {
            script_decimal(c.random, digits);
        }
        cases.push_back(c);
    }
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        OrderingBoard board = dirty_board();
        board = make_problem(c.kind, c.random);
        EXPECT_EQ(board.numbers, c.expected);
        EXPECT_EQ(c.random.remaining(), 0u);
        EXPECT_GE(c.random.reseeds(), kCount);
        EXPECT_EQ(board.places, Texts{});
        EXPECT_EQ(board.used, (std::array<bool, kCount>{}));
    }
}

TEST_F(OrderingLogic, CheckOrderFindsARepeatInEveryPairPosition) {
    const std::pair<int, int> pairs[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {2, 1},
                                         {3, 1}, {4, 1}, {3, 2}, {4, 2}, {4, 3}};
    for (const auto& [a, b] : pairs) {
        Texts numbers = {"-2", "4.5", "9", "10", "0.25"};
        // Equal as numbers though written differently.
        numbers[a] = number_text(read_number(numbers[b])) + ".0";
        EXPECT_EQ(check_order(numbers), 1) << a << "," << b;
    }
    const Texts distinct[] = {
        {"4.7", "4.63", "4.125", "4.9", "4.58"},
        {"-3", "3", "30", "-30", "1"},
        {"1", "10", "11", "50", "5"},
    };
    for (const auto& numbers : distinct) {
        EXPECT_EQ(check_order(numbers), 0) << numbers[0];
    }
}

TEST_F(OrderingLogic, PlacingFillsTheFirstEmptyPlaceAndStopsWhenFull) {
    OrderingBoard board;
    board.numbers = {"12", "3", "40", "7", "25"};
    const int clicks[] = {2, 0, 4, 1, 3};
    for (int k = 0; k < kCount; ++k) {
        EXPECT_FALSE(board_full(board));
        EXPECT_EQ(place_number(board, clicks[k]), k);
        EXPECT_TRUE(board.used[clicks[k]]);
    }
    EXPECT_EQ(board.places, (Texts{"40", "12", "25", "3", "7"}));
    EXPECT_TRUE(board_full(board));

    // After a solution fills the places while numbers are still free, a click places nothing.
    board.places = sorted_solution(board.numbers);
    board.used.fill(false);
    EXPECT_EQ(place_number(board, 1), -1);
    EXPECT_FALSE(board.used[1]);
    EXPECT_EQ(board.places, (Texts{"3", "7", "12", "25", "40"}));
}

TEST_F(OrderingLogic, UndoTakesBackTheLastPlacedNumberEachTime) {
    OrderingBoard board;
    board.numbers = {"-5", "20", "-41", "8", "33"};
    for (int i : {3, 0, 4}) {
        place_number(board, i);
    }
    EXPECT_EQ(undo_last(board), 4);
    EXPECT_EQ(board.places, (Texts{"8", "-5", "", "", ""}));
    EXPECT_EQ(board.used, (std::array<bool, kCount>{true, false, false, true, false}));
    EXPECT_EQ(undo_last(board), 0);
    EXPECT_EQ(board.places, (Texts{"8", "", "", "", ""}));
    EXPECT_EQ(board.used, (std::array<bool, kCount>{false, false, false, true, false}));

    // All five filled: the place beside "Biggest" is emptied.
    for (int i : {0, 2, 1, 4}) {
        place_number(board, i);
    }
    ASSERT_TRUE(board_full(board));
    EXPECT_EQ(undo_last(board), 4);
    EXPECT_EQ(board.places, (Texts{"8", "-5", "-41", "20", ""}));
    EXPECT_FALSE(board.used[4]);
    EXPECT_FALSE(board_full(board));

    // Undo down to an empty board, then once more: nothing else changes.
    for (int expected : {1, 2, 0, 3, -1, -1}) {
        EXPECT_EQ(undo_last(board), expected);
    }
    EXPECT_EQ(board.places, Texts{});
    EXPECT_EQ(board.used, (std::array<bool, kCount>{}));
}

TEST_F(OrderingLogic, OrderPassesOnlyForFiveFilledStrictlyIncreasingPlaces) {
    const struct {
        const char* name;
        Texts places;
        bool correct;
    } cases[] = {
        {"increasing whole numbers", {"2", "9", "10", "31", "50"}, true},
        {"increasing integers", {"-50", "-7", "-1", "1", "45"}, true},
        {"increasing decimals", {"4.125", "4.58", "4.63", "4.7", "4.9"}, true},
        {"decreasing", {"50", "31", "10", "9", "2"}, false},
        {"one pair swapped", {"2", "10", "9", "31", "50"}, false},
        {"equal neighbours", {"1", "2", "2.0", "3", "4"}, false},
        // An empty place would read as 0, above any negative number.
        {"four negatives and a gap", {"-40", "-30", "-20", "-10", ""}, false},
        {"four positives and a gap", {"1", "2", "3", "4", ""}, false},
        {"empty board", {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(order_correct(c.places), c.correct) << c.name;
    }
}

// Four negatives clicked in increasing order with the fifth place still empty: the
// smallest number of all is left over, so the order is not solved.
TEST_F(OrderingLogic, FourNegativesInOrderWithTheSmallestLeftOverDoNotPass) {
    OrderingBoard board;
    board.numbers = {"-10", "-45", "-30", "-20", "-40"};
    for (int i : {4, 2, 3, 0}) {
        place_number(board, i);
    }
    EXPECT_FALSE(board_full(board));
    EXPECT_FALSE(order_correct(board.places));
    place_number(board, 1);
    EXPECT_FALSE(order_correct(board.places));
}

TEST_F(OrderingLogic, SolutionSortsByValueSmallestFirst) {
    const struct {
        Texts numbers, sorted;
    } cases[] = {
        {{"4.7", "4.63", "4.125", "4.9", "4.58"}, {"4.125", "4.58", "4.63", "4.7", "4.9"}},
        {{"10", "9", "50", "1", "2"}, {"1", "2", "9", "10", "50"}},
        {{"5", "-5", "-50", "12", "-3"}, {"-50", "-5", "-3", "5", "12"}},
        {{"50", "40", "30", "20", "10"}, {"10", "20", "30", "40", "50"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sorted_solution(c.numbers), c.sorted) << c.numbers[0];
        EXPECT_TRUE(order_correct(sorted_solution(c.numbers)));
    }
}

// With the real generator: every set holds five different numbers of its kind, the
// solution passes the order test and clicking the set in reverse never does.
TEST_F(OrderingLogic, ManyRealSetsStayInRangeAndDistinct) {
    ClockRandom random;
    for (Kind kind : {Kind::PositiveWholeNumbers, Kind::Integers, Kind::Decimals}) {
        for (int round = 0; round < 2000; ++round) {
            OrderingBoard board;
            board = make_problem(kind, random);
            std::set<double> values;
            for (const auto& text : board.numbers) {
                const double value = read_number(text);
                ASSERT_NE(value, 0.0) << text;
                ASSERT_EQ(number_text(value), text);
                values.insert(value);
                if (kind == Kind::Decimals) {
                    const auto point = text.find('.');
                    ASSERT_EQ(point, 1u) << text;
                    ASSERT_EQ(text[0], board.numbers[0][0]) << "whole parts differ";
                    ASSERT_GE(text[0], '1');
                    ASSERT_LE(text[0], '5');
                    ASSERT_GE(text.size() - point - 1, 1u);
                    ASSERT_LE(text.size() - point - 1, 3u);
                } else {
                    const double low = kind == Kind::Integers ? -50 : 1;
                    ASSERT_GE(value, low);
                    ASSERT_LE(value, 50);
                    ASSERT_EQ(text.find('.'), std::string::npos);
                }
            }
            ASSERT_EQ(values.size(), 5u);

            const Texts sorted = sorted_solution(board.numbers);
            ASSERT_TRUE(order_correct(sorted));
            for (int k = kCount - 1; k >= 0; --k) {
                const auto it = std::find(board.numbers.begin(), board.numbers.end(), sorted[k]);
                place_number(board, int(it - board.numbers.begin()));
            }
            ASSERT_TRUE(board_full(board));
            ASSERT_FALSE(order_correct(board.places));
        }
    }
}

} // namespace
} // namespace chalkline::ordering
