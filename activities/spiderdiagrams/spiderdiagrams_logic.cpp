// SPDX-License-Identifier: GPL-3.0-or-later
#include "spiderdiagrams_logic.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace chalkline::spiderdiagrams {

namespace {

constexpr int kProblemTries = 20;

Operation op(Operator o, Fraction number = 0) {
    return {o, number};
}

// A sign of +1 or -1, even odds.
int any_sign(RandomSource& random) {
    return random.draw(0, 1) == 0 ? 1 : -1;
}

// A multiple of `factor` from `low` to `high` (factor > 0, a multiple in the range).
int multiple_between(int factor, int low, int high, RandomSource& random) {
    return factor * random.draw((low + factor - 1) / factor, high / factor);
}

void shuffle(std::vector<Operation>& items, RandomSource& random) {
    for (int i = int(items.size()) - 1; i > 0; --i) {
        std::swap(items[std::size_t(i)], items[std::size_t(random.draw(0, i))]);
    }
}

// The four operations every spider of the kind has, then the extras to choose from.
struct Choices {
    Fraction centre;
    std::vector<Operation> always;
    std::vector<Operation> extras;
};

// Whole centres from 12 to 120, even and a multiple of the divisor; every answer a
// positive whole number.
Choices whole_numbers(RandomSource& random) {
    const int divisor = random.draw(3, 9);
    const int centre = multiple_between(std::lcm(2, divisor), 12, 120, random);
    Choices c{centre,
              {op(Operator::Multiply, random.draw(3, 9)), op(Operator::Divide, divisor),
               op(Operator::Add, random.draw(11, 99)),
               op(Operator::Subtract, random.draw(2, centre - 1))},
              {op(Operator::Half), op(Operator::Square), op(Operator::Multiply, 10),
               op(Operator::Multiply, 100), op(Operator::Multiply, random.draw(11, 20))}};
    if (centre % 10 == 0) {
        c.extras.push_back(op(Operator::Divide, 10));
    }
    return c;
}

// Centres from -96 to 96 but 0, multipliers and divisors of either sign, and a
// subtraction that always goes below zero.
Choices integers(RandomSource& random) {
    const int divisor = random.draw(3, 9);
    const int centre = any_sign(random) * multiple_between(std::lcm(2, divisor), 12, 96, random);
    const int below = centre > 0 ? random.draw(centre + 1, centre + 50) : random.draw(11, 99);
    return {centre,
            {op(Operator::Multiply, any_sign(random) * random.draw(3, 9)),
             op(Operator::Divide, any_sign(random) * divisor),
             op(Operator::Add, random.draw(11, 99)), op(Operator::Subtract, below)},
            {op(Operator::Half), op(Operator::Square), op(Operator::Multiply, 10),
             op(Operator::Multiply, any_sign(random) * random.draw(11, 15))}};
}

// Centres of tenths from 1.1 to 19.9, never whole, a multiple of the divisor's tenth; every
// answer a positive decimal that ends.
Choices decimals(RandomSource& random) {
    const int divisor = random.draw(3, 9);
    std::vector<int> tenths;
    for (int t = divisor; t <= 199; t += divisor) {
        if (t >= 11 && t % 10 != 0) {
            tenths.push_back(t);
        }
    }
    const int t = tenths[std::size_t(random.draw(0, int(tenths.size()) - 1))];
    return {Fraction(t, 10),
            {op(Operator::Multiply, random.draw(3, 9)), op(Operator::Divide, divisor),
             op(Operator::Add, Fraction(random.draw(1, 99), 10)),
             op(Operator::Subtract, Fraction(random.draw(1, t - 1), 10))},
            {op(Operator::Half), op(Operator::Square), op(Operator::Multiply, 10),
             op(Operator::Multiply, 100), op(Operator::Divide, 10), op(Operator::Divide, 100)}};
}

SpiderProblem draw_problem(Kind kind, RandomSource& random) {
    Choices c = kind == Kind::PositiveWholeNumbers ? whole_numbers(random)
                : kind == Kind::Integers           ? integers(random)
                                                   : decimals(random);
    shuffle(c.extras, random);
    std::vector<Operation> legs = c.always;
    legs.insert(legs.end(), c.extras.begin(), c.extras.begin() + (kLegs - int(c.always.size())));
    shuffle(legs, random);
    SpiderProblem problem{kind, c.centre, {}};
    std::copy(legs.begin(), legs.end(), problem.legs.begin());
    return problem;
}

} // namespace

Fraction apply(const Operation& operation, const Fraction& value) {
    switch (operation.op) {
    case Operator::Add:
        return value + operation.number;
    case Operator::Subtract:
        return value - operation.number;
    case Operator::Multiply:
        return value * operation.number;
    case Operator::Divide:
        return value / operation.number;
    case Operator::Square:
        return value * value;
    case Operator::Half:
        return value / 2;
    }
    throw std::invalid_argument("unknown operation");
}

std::string operation_text(const Operation& operation) {
    const std::string number = value_text(operation.number);
    switch (operation.op) {
    case Operator::Add:
        return "+ " + number;
    case Operator::Subtract:
        return "- " + number;
    case Operator::Multiply:
        return "x " + number;
    case Operator::Divide:
        return "÷ " + number;
    case Operator::Square:
        return "²";
    case Operator::Half:
        return "÷ 2";
    }
    throw std::invalid_argument("unknown operation");
}

std::string value_text(const Fraction& value) {
    return decimal_text(value).value_or(fraction_text(value));
}

SpiderProblem make_problem(Kind kind, RandomSource& random,
                           const std::optional<SpiderProblem>& previous) {
    if (kind < Kind::PositiveWholeNumbers || kind > Kind::Decimals) {
        throw std::invalid_argument("unknown kind of numbers");
    }
    random.reseed();
    SpiderProblem problem;
    for (int attempt = 0; attempt < kProblemTries; ++attempt) {
        problem = draw_problem(kind, random);
        if (problem != previous) {
            return problem;
        }
    }
    std::rotate(problem.legs.begin(), problem.legs.begin() + 1, problem.legs.end());
    return problem;
}

} // namespace chalkline::spiderdiagrams
