// SPDX-License-Identifier: GPL-3.0-or-later
#include "fastmental_logic.h"

#include "number_text.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <numeric>
#include <set>
#include <stdexcept>
#include <vector>

namespace chalkline::fastmental {
namespace {

using chalkline::testing::ScriptedRandom;

constexpr Quarters q(double value) {
    return Quarters{int(value * 4)};
}

struct Draw {
    int value, low, high;
};

ScriptedRandom script(const std::vector<Draw>& draws) {
    ScriptedRandom random;
    for (const Draw& d : draws) {
        random.then(d.value, d.low, d.high);
    }
    return random;
}

std::vector<int> codes(const MentalChain& chain) {
    std::vector<int> result;
    for (int step = 1; step <= 4; ++step) {
        result.push_back(int(chain.operations[step]));
    }
    return result;
}

class ChainText : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Values written to the screen and read back stay exact over long runs of
// multiplying, dividing and adding quarters, checked against a reduced fraction.
TEST_F(ChainText, LongMultiplyAndDivideRunsStayExact) {
    struct Fraction {
        long long num, den;
        void reduce() {
            const long long g = std::gcd(num, den);
            num /= g == 0 ? 1 : g;
            den /= g == 0 ? 1 : g;
        }
    };
    ClockRandom random;
    for (double start : {7.25, -3.5, 0.75, 20.75}) {
        Quarters value = q(start);
        Fraction exact{value.count, 4};
        exact.reduce();
        for (int round = 0; round < 3000; ++round) {
            const int a = random.draw(2, 5);
            value =
                Quarters::from_text(apply(Operation::multiply, value, Quarters::whole(a)).text());
            exact.num *= a;
            exact.reduce();
            int b = 5;
            while (value.count % b != 0) {
                --b;
            }
            value = Quarters::from_text(apply(Operation::divide, value, Quarters::whole(b)).text());
            exact.den *= b;
            exact.reduce();
            const Quarters step = quarter_decimal(random);
            const Operation sign = round % 2 == 0 ? Operation::add : Operation::subtract;
            value = Quarters::from_text(apply(sign, value, step).text());
            exact.num = exact.num * 4 + (sign == Operation::add ? 1 : -1) * step.count * exact.den;
            exact.den *= 4;
            exact.reduce();
            ASSERT_EQ(value.count * exact.den, exact.num * 4)
                << "start " << start << " round " << round;
        }
    }
}

TEST_F(ChainText, QuartersWriteAndReadAsTheClassSeesThem) {
    const struct {
        Quarters value;
        const char* text;
        int fraction;
    } cases[] = {
        {q(7.25), "7.25", 1}, {q(-3.5), "-3.5", 2}, {q(0.75), "0.75", 3},   {q(-0.25), "-0.25", 3},
        {q(12), "12", 0},     {q(0), "0", 0},       {q(-7.25), "-7.25", 3}, {q(-7.75), "-7.75", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.text(), c.text);
        EXPECT_EQ(Quarters::from_text(c.text), c.value) << c.text;
        EXPECT_EQ(c.value.fraction(), c.fraction) << c.text;
    }
}

// The order of operations: each code is redrawn until it differs from every earlier one.
TEST(ShuffleOperations, RedrawsRepeatsAndFindsTheDivideStep) {
    const struct {
        std::vector<int> draws;
        std::vector<int> order;
        int divide_step;
    } cases[] = {
        {{4, 1, 2, 3}, {4, 1, 2, 3}, 1},
        {{2, 2, 4, 2, 4, 1, 3}, {2, 4, 1, 3}, 2},
        {{1, 1, 1, 2, 2, 1, 3, 3, 2, 1, 4}, {1, 2, 3, 4}, 4},
        {{3, 1, 3, 1, 2, 3, 4}, {3, 1, 2, 4}, 4},
        {{2, 1, 4, 2, 4, 3}, {2, 1, 4, 3}, 3},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        for (int d : c.draws) {
            random.then(d, 1, 4);
        }
        MentalChain chain;
        shuffle_operations(chain, random);
        find_divide_step(chain);
        EXPECT_EQ(codes(chain), c.order);
        EXPECT_EQ(chain.divide_step, c.divide_step);
        EXPECT_EQ(random.remaining(), 0u) << "every scripted draw is used";
    }
}

TEST(StartingValue, CoversTheRangeOfEachKind) {
    const float top = std::nextafter(1.0f, 0.0f);
    const struct {
        Kind kind;
        std::vector<float> us;
        Quarters value;
    } cases[] = {
        {Kind::PositiveWholeNumbers, {0.0f}, q(1)},
        {Kind::PositiveWholeNumbers, {top}, q(50)},
        {Kind::Integers, {0.0f}, q(-50)},
        {Kind::Integers, {top}, q(50)},
        {Kind::Integers, {ScriptedRandom::u_for(0, -50, 50)}, q(0)},
        {Kind::Decimals, {0.0f, 0.0f}, q(2.25)},
        {Kind::Decimals, {top, top}, q(20.75)},
        {Kind::Decimals, {ScriptedRandom::u_for(7, 2, 20), ScriptedRandom::u_for(2, 1, 3)}, q(7.5)},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        for (float u : c.us) {
            random.then_u(u);
        }
        EXPECT_EQ(starting_value(c.kind, random), c.value) << "kind " << int(c.kind);
        EXPECT_EQ(random.remaining(), 0u);
    }
}

using StepRoutine = void (*)(MentalChain&, int, RandomSource&);

// Each step routine: its range per kind, its redraw rule, and the value it makes.
TEST(StepRoutines, DrawTheirOperandByKindAndRedrawRules) {
    const struct {
        const char* what;
        StepRoutine routine;
        Kind kind;
        Quarters prev;
        std::vector<Draw> draws;
        Quarters operand, value;
    } cases[] = {
        {"add 1: highest",
         add_a_number,
         Kind::PositiveWholeNumbers,
         q(10),
         {{20, 1, 20}},
         q(20),
         q(30)},
        {"add 1: lowest",
         add_a_number,
         Kind::PositiveWholeNumbers,
         q(10),
         {{1, 1, 20}},
         q(1),
         q(11)},
        {"add 2: negative operand",
         add_a_number,
         Kind::Integers,
         q(-5),
         {{-7, -20, 20}},
         q(-7),
         q(-12)},
        {"add 2: zero operand", add_a_number, Kind::Integers, q(-5), {{0, -20, 20}}, q(0), q(-5)},
        {"add 3: largest",
         add_a_number,
         Kind::Decimals,
         q(7.25),
         {{20, 2, 20}, {3, 1, 3}},
         q(20.75),
         q(28)},
        {"add 3: smallest",
         add_a_number,
         Kind::Decimals,
         q(-7.25),
         {{2, 2, 20}, {1, 1, 3}},
         q(2.25),
         q(-5)},
        {"minus 1: redrawn to 0",
         minus_a_number,
         Kind::PositiveWholeNumbers,
         q(9),
         {{15, 1, 20}, {12, 1, 20}, {9, 1, 20}},
         q(9),
         q(0)},
        {"minus 1: from 1",
         minus_a_number,
         Kind::PositiveWholeNumbers,
         q(1),
         {{20, 1, 20}, {2, 1, 20}, {1, 1, 20}},
         q(1),
         q(0)},
        {"minus 2: negative operand",
         minus_a_number,
         Kind::Integers,
         q(3),
         {{-7, -20, 20}},
         q(-7),
         q(10)},
        {"minus 2: no redraw below 0",
         minus_a_number,
         Kind::Integers,
         q(3),
         {{20, -20, 20}},
         q(20),
         q(-17)},
        {"minus 3: below 0",
         minus_a_number,
         Kind::Decimals,
         q(3.5),
         {{5, 2, 20}, {1, 1, 3}},
         q(5.25),
         q(-1.75)},
        {"times 1: lowest",
         times_a_number,
         Kind::PositiveWholeNumbers,
         q(7),
         {{2, 2, 5}},
         q(2),
         q(14)},
        {"times 1: highest",
         times_a_number,
         Kind::PositiveWholeNumbers,
         q(7),
         {{5, 2, 5}},
         q(5),
         q(35)},
        {"times 2: negative", times_a_number, Kind::Integers, q(-7), {{3, 2, 5}}, q(3), q(-21)},
        {"times 3: whole, redrawn to a divisor",
         times_a_number,
         Kind::Decimals,
         q(12),
         {{5, 1, 5}, {4, 1, 5}},
         q(4),
         q(48)},
        {"times 3: whole prime",
         times_a_number,
         Kind::Decimals,
         q(7),
         {{5, 1, 5}, {4, 1, 5}, {3, 1, 5}, {2, 1, 5}, {1, 1, 5}},
         q(1),
         q(7)},
        {"times 3: whole negative",
         times_a_number,
         Kind::Decimals,
         q(-12),
         {{5, 1, 5}, {3, 1, 5}},
         q(3),
         q(-36)},
        {"times 3: zero takes the first",
         times_a_number,
         Kind::Decimals,
         q(0),
         {{5, 1, 5}},
         q(5),
         q(0)},
        {"divide 1: redrawn to a divisor",
         divide_a_number,
         Kind::PositiveWholeNumbers,
         q(12),
         {{5, 1, 5}, {4, 1, 5}},
         q(4),
         q(3)},
        {"divide 1: only 1 divides 7",
         divide_a_number,
         Kind::PositiveWholeNumbers,
         q(7),
         {{2, 1, 5}, {3, 1, 5}, {4, 1, 5}, {5, 1, 5}, {1, 1, 5}},
         q(1),
         q(7)},
        {"divide 1: zero takes the first",
         divide_a_number,
         Kind::PositiveWholeNumbers,
         q(0),
         {{5, 1, 5}},
         q(5),
         q(0)},
        {"divide 2: negative",
         divide_a_number,
         Kind::Integers,
         q(-30),
         {{4, 1, 5}, {5, 1, 5}},
         q(5),
         q(-6)},
        {"divide 2: zero takes the first",
         divide_a_number,
         Kind::Integers,
         q(0),
         {{3, 1, 5}},
         q(3),
         q(0)},
        {"divide 3: 30 / 4 accepted",
         divide_a_number,
         Kind::Decimals,
         q(30),
         {{4, 1, 5}},
         q(4),
         q(7.5)},
        {"divide 3: 7.25 / 3 refused",
         divide_a_number,
         Kind::Decimals,
         q(7.25),
         {{3, 1, 5}, {2, 1, 5}, {5, 1, 5}, {1, 1, 5}},
         q(1),
         q(7.25)},
        {"divide 3: quarters of a negative",
         divide_a_number,
         Kind::Decimals,
         q(-7.5),
         {{4, 1, 5}, {3, 1, 5}},
         q(3),
         q(-2.5)},
        {"divide 3: to a quarter",
         divide_a_number,
         Kind::Decimals,
         q(0.75),
         {{3, 1, 5}},
         q(3),
         q(0.25)},
    };
    for (const auto& c : cases) {
        ScriptedRandom random = script(c.draws);
        MentalChain chain;
        chain.kind = c.kind;
        chain.values = {q(99), q(98), c.prev, q(97), q(96)};
        c.routine(chain, 3, random);
        EXPECT_EQ(chain.operands[3], c.operand) << c.what;
        EXPECT_EQ(chain.values[3], c.value) << c.what;
        EXPECT_EQ(chain.values[4], q(96)) << c.what << ": later steps untouched";
        EXPECT_EQ(random.remaining(), 0u) << c.what << ": every scripted draw is used";
    }
}

// Decimals: the multiplier follows the fractional part, with no draw, also below 0.
TEST(StepRoutines, DecimalMultiplierFollowsTheFractionalPart) {
    const struct {
        Quarters prev, operand, value;
    } cases[] = {
        {q(7.25), q(3), q(21.75)},  {q(7.5), q(4), q(30)},     {q(7.75), q(2), q(15.5)},
        {q(-7.25), q(2), q(-14.5)}, {q(-7.5), q(4), q(-30)},   {q(-7.75), q(3), q(-23.25)},
        {q(0.25), q(3), q(0.75)},   {q(-0.25), q(2), q(-0.5)},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        MentalChain chain;
        chain.kind = Kind::Decimals;
        chain.values[0] = c.prev;
        times_a_number(chain, 1, random);
        EXPECT_EQ(chain.operands[1], c.operand) << c.prev.text();
        EXPECT_EQ(chain.values[1], c.value) << c.prev.text();
        EXPECT_EQ(random.used(), 0u) << c.prev.text();
    }
}

// Misuse that would otherwise loop for ever or divide inexactly is refused.
TEST(StepRoutines, RefuseWhatNoChainCanContain) {
    ScriptedRandom random;
    MentalChain chain;
    chain.values[0] = q(0);
    EXPECT_THROW(minus_a_number(chain, 1, random), std::logic_error);
    EXPECT_THROW(add_a_number(chain, 0, random), std::out_of_range);
    EXPECT_THROW(run_step(chain, 5, random), std::out_of_range);
    EXPECT_THROW(apply(Operation::divide, q(7.25), q(2)), std::domain_error);
    EXPECT_THROW(apply(Operation::divide, q(7), q(0)), std::domain_error);
}

// Whole chains from scripted draws, including the retry while the divisor is 1.
TEST(Calculate, MakesTheChainAgainInTheSameOrderWhileTheDivisorIsOne) {
    const struct {
        const char* what;
        Kind kind;
        std::vector<Draw> draws;
        std::vector<int> order;
        std::vector<Quarters> operands, values;
    } cases[] = {
        {"kind 1 from 1, divide first",
         Kind::PositiveWholeNumbers,
         {{4, 1, 4},
          {1, 1, 4},
          {2, 1, 4},
          {3, 1, 4},
          // start 1: only 1 divides it, so the rest runs and the chain is made again
          {1, 1, 50},
          {2, 1, 5},
          {1, 1, 5},
          {5, 1, 20},
          {3, 1, 20},
          {2, 2, 5},
          // start 10
          {10, 1, 50},
          {2, 1, 5},
          {1, 1, 20},
          {6, 1, 20},
          {5, 2, 5}},
         {4, 1, 2, 3},
         {q(2), q(1), q(6), q(5)},
         {q(10), q(5), q(6), q(0), q(0)}},
        {"kind 2 from 0, divide first",
         Kind::Integers,
         {{4, 1, 4},
          {3, 1, 4},
          {2, 1, 4},
          {1, 1, 4},
          {0, -50, 50},
          {5, 1, 5},
          {3, 2, 5},
          {-7, -20, 20},
          {-20, -20, 20}},
         {4, 3, 2, 1},
         {q(5), q(3), q(-7), q(-20)},
         {q(0), q(0), q(0), q(7), q(-13)}},
        {"kind 3 to 0",
         Kind::Decimals,
         {{1, 1, 4},
          {3, 1, 4},
          {4, 1, 4},
          {2, 1, 4},
          {7, 2, 20},
          {1, 1, 3},
          {2, 2, 20},
          {1, 1, 3},
          {3, 1, 5},
          {4, 1, 5},
          {9, 2, 20},
          {2, 1, 3}},
         {1, 3, 4, 2},
         {q(2.25), q(4), q(4), q(9.5)},
         {q(7.25), q(9.5), q(38), q(9.5), q(0)}},
        {"kind 3 whole value multiplied by 1, divisor 1 retried",
         Kind::Decimals,
         {{3, 1, 4},
          {4, 1, 4},
          {1, 1, 4},
          {2, 1, 4},
          // 5.5 x 4 = 22, 22 / 1 once 5 and 3 are refused: made again
          {5, 2, 20},
          {2, 1, 3},
          {5, 1, 5},
          {3, 1, 5},
          {1, 1, 5},
          {2, 2, 20},
          {1, 1, 3},
          {3, 2, 20},
          {1, 1, 3},
          // 6.75 x 2 = 13.5, 13.5 / 2 = 6.75
          {6, 2, 20},
          {3, 1, 3},
          {2, 1, 5},
          {2, 2, 20},
          {2, 1, 3},
          {20, 2, 20},
          {3, 1, 3}},
         {3, 4, 1, 2},
         {q(2), q(2), q(2.5), q(20.75)},
         {q(6.75), q(13.5), q(6.75), q(9.25), q(-11.5)}},
    };
    for (const auto& c : cases) {
        ScriptedRandom random = script(c.draws);
        const MentalChain chain = make_problem(c.kind, random);
        EXPECT_EQ(chain.kind, c.kind) << c.what;
        EXPECT_EQ(codes(chain), c.order) << c.what;
        EXPECT_EQ(std::vector<Quarters>(chain.operands.begin() + 1, chain.operands.end()),
                  c.operands)
            << c.what;
        EXPECT_EQ(std::vector<Quarters>(chain.values.begin(), chain.values.end()), c.values)
            << c.what;
        EXPECT_EQ(random.remaining(), 0u) << c.what;
        EXPECT_GE(random.reseeds(), 1) << c.what << ": a new chain starts from the clock";
    }
}

// Thousands of chains from the real generator keep every promise the screen relies on.
TEST(Calculate, RealChainsKeepEveryValueOfTheirKind) {
    ClockRandom random;
    const struct {
        Kind kind;
        double start_low, start_high, add_low, add_high;
    } kinds[] = {
        {Kind::PositiveWholeNumbers, 1, 50, 1, 20},
        {Kind::Integers, -50, 50, -20, 20},
        {Kind::Decimals, 2.25, 20.75, 2.25, 20.75},
    };
    std::set<std::vector<int>> orders;
    for (const auto& k : kinds) {
        double start_min = 1e9, start_max = -1e9, add_min = 1e9, add_max = -1e9;
        std::set<int> divisors;
        for (int n = 0; n < 3000; ++n) {
            const MentalChain chain = make_problem(k.kind, random);
            ASSERT_EQ(chain.kind, k.kind);
            std::vector<int> order = codes(chain);
            orders.insert(order);
            std::sort(order.begin(), order.end());
            ASSERT_EQ(order, (std::vector<int>{1, 2, 3, 4})) << "each operation exactly once";
            ASSERT_EQ(chain.operations[chain.divide_step], Operation::divide);
            start_min = std::min(start_min, chain.values[0].value());
            start_max = std::max(start_max, chain.values[0].value());
            for (int step = 1; step <= 4; ++step) {
                const double prev = chain.values[step - 1].value();
                const double operand = chain.operands[step].value();
                const double value = chain.values[step].value();
                switch (chain.operations[step]) {
                case Operation::add:
                case Operation::subtract:
                    ASSERT_EQ(value, chain.operations[step] == Operation::add ? prev + operand
                                                                              : prev - operand);
                    add_min = std::min(add_min, operand);
                    add_max = std::max(add_max, operand);
                    if (k.kind == Kind::Decimals) {
                        ASSERT_NE(operand, std::floor(operand)) << "never a whole operand";
                    }
                    break;
                case Operation::multiply:
                    ASSERT_EQ(value, prev * operand);
                    ASSERT_EQ(operand, std::floor(operand));
                    ASSERT_GE(operand, k.kind == Kind::Decimals ? 1 : 2);
                    ASSERT_LE(operand, 5);
                    break;
                case Operation::divide:
                    divisors.insert(int(operand));
                    ASSERT_EQ(value * operand, prev) << "every division exact";
                    ASSERT_GE(operand, 2) << "the divisor is never 1";
                    ASSERT_LE(operand, 5);
                    break;
                }
            }
            for (const Quarters& v : chain.values) {
                const double x = read_number(v.text());
                ASSERT_EQ(x, v.value()) << "the text holds the value exactly";
                if (k.kind == Kind::Decimals) {
                    ASSERT_EQ(x * 4, std::floor(x * 4)) << x;
                } else {
                    ASSERT_EQ(x, std::floor(x)) << x;
                }
                if (k.kind == Kind::PositiveWholeNumbers) {
                    ASSERT_GE(x, 0);
                }
            }
        }
        EXPECT_EQ(start_min, k.start_low) << "kind " << int(k.kind);
        EXPECT_EQ(start_max, k.start_high) << "kind " << int(k.kind);
        EXPECT_EQ(add_min, k.add_low) << "kind " << int(k.kind);
        EXPECT_EQ(add_max, k.add_high) << "kind " << int(k.kind);
        EXPECT_EQ(divisors, (std::set<int>{2, 3, 4, 5})) << "kind " << int(k.kind);
    }
    EXPECT_EQ(orders.size(), 24u) << "every order of the four operations occurs";
}

} // namespace
} // namespace chalkline::fastmental
