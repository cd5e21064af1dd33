// SPDX-License-Identifier: GPL-3.0-or-later
#include "fastmental_logic.h"

#include "number_text.h"

#include <cmath>
#include <stdexcept>

namespace chalkline::fastmental {

std::string Quarters::text() const {
    return number_text(value());
}

Quarters Quarters::from_text(std::string_view text) {
    return Quarters{static_cast<int>(std::lround(read_number(text) * 4.0))};
}

namespace {

// True when the whole number n is a whole multiple of the divisor; 0 is a
// multiple of every divisor.
bool divides(int n, int divisor) {
    return n % divisor == 0;
}

void check_step(int step) {
    if (step < 1 || step > 4) {
        throw std::out_of_range("a chain has steps 1 to 4");
    }
}

} // namespace

void shuffle_operations(MentalChain& chain, RandomSource& random) {
    for (int step = 1; step <= 4; ++step) {
        bool repeated = true;
        while (repeated) {
            chain.operations[step] = static_cast<Operation>(random.draw(1, 4));
            repeated = false;
            for (int earlier = 1; earlier < step; ++earlier) {
                repeated = repeated || chain.operations[earlier] == chain.operations[step];
            }
        }
    }
}

void find_divide_step(MentalChain& chain) {
    for (int step = 1; step <= 4; ++step) {
        if (chain.operations[step] == Operation::divide) {
            chain.divide_step = step;
            return;
        }
    }
}

Quarters quarter_decimal(RandomSource& random) {
    const int whole = random.draw(2, 20);
    const int quarters = random.draw(1, 3);
    return Quarters{whole * 4 + quarters};
}

Quarters starting_value(Kind kind, RandomSource& random) {
    switch (kind) {
    case Kind::Integers:
        return Quarters::whole(random.draw(-50, 50));
    case Kind::Decimals:
        return quarter_decimal(random);
    default:
        return Quarters::whole(random.draw(1, 50));
    }
}

Quarters apply(Operation operation, Quarters prev, Quarters operand) {
    switch (operation) {
    case Operation::add:
        return Quarters{prev.count + operand.count};
    case Operation::subtract:
        return Quarters{prev.count - operand.count};
    case Operation::multiply:
        return Quarters{prev.count * operand.whole_part()};
    case Operation::divide:
        break;
    }
    if (!operand.is_whole() || operand.count == 0 || !divides(prev.count, operand.whole_part())) {
        throw std::domain_error("a chain divides only exactly, by a whole number");
    }
    return Quarters{prev.count / operand.whole_part()};
}

namespace {

void set_step(MentalChain& chain, int step, Operation operation, Quarters operand) {
    chain.operands[step] = operand;
    chain.values[step] = apply(operation, chain.values[step - 1], operand);
}

} // namespace

void add_a_number(MentalChain& chain, int step, RandomSource& random) {
    check_step(step);
    Quarters operand;
    switch (chain.kind) {
    case Kind::Integers:
        operand = Quarters::whole(random.draw(-20, 20));
        break;
    case Kind::Decimals:
        operand = quarter_decimal(random);
        break;
    default:
        operand = Quarters::whole(random.draw(1, 20));
        break;
    }
    set_step(chain, step, Operation::add, operand);
}

void minus_a_number(MentalChain& chain, int step, RandomSource& random) {
    check_step(step);
    const Quarters prev = chain.values[step - 1];
    Quarters operand;
    switch (chain.kind) {
    case Kind::Integers:
        operand = Quarters::whole(random.draw(-20, 20));
        break;
    case Kind::Decimals:
        operand = quarter_decimal(random);
        break;
    default:
        // Redrawn until the result is not negative. In a chain the value before the
        // subtract is at least 1, so the operand 1 is always accepted; a smaller
        // value would leave no operand at all and the loop would never end.
        if (prev.count < 4) {
            throw std::logic_error("nothing from 1 to 20 can be taken from a value below 1");
        }
        do {
            operand = Quarters::whole(random.draw(1, 20));
        } while (prev.count - operand.count < 0);
        break;
    }
    set_step(chain, step, Operation::subtract, operand);
}

void times_a_number(MentalChain& chain, int step, RandomSource& random) {
    check_step(step);
    const Quarters prev = chain.values[step - 1];
    int operand = 1;
    if (chain.kind != Kind::Decimals) {
        operand = random.draw(2, 5);
    } else if (prev.fraction() == 1) {
        operand = 3; // x.25 times 3 ends in .75
    } else if (prev.fraction() == 2) {
        operand = 4; // x.5 times 4 is whole
    } else if (prev.fraction() == 3) {
        operand = 2; // x.75 times 2 ends in .5
    } else {
        // A whole decimal-kind value is multiplied only by one of its own divisors.
        do {
            operand = random.draw(1, 5);
        } while (!divides(prev.whole_part(), operand));
    }
    set_step(chain, step, Operation::multiply, Quarters::whole(operand));
}

void divide_a_number(MentalChain& chain, int step, RandomSource& random) {
    check_step(step);
    const Quarters prev = chain.values[step - 1];
    int operand = 1;
    if (chain.kind == Kind::Decimals) {
        // Any divisor whose quotient is still a whole number of quarters.
        do {
            operand = random.draw(1, 5);
        } while (!divides(prev.count, operand));
    } else {
        do {
            operand = random.draw(1, 5);
        } while (!divides(prev.whole_part(), operand));
    }
    set_step(chain, step, Operation::divide, Quarters::whole(operand));
}

void run_step(MentalChain& chain, int step, RandomSource& random) {
    check_step(step);
    switch (chain.operations[step]) {
    case Operation::add:
        add_a_number(chain, step, random);
        break;
    case Operation::subtract:
        minus_a_number(chain, step, random);
        break;
    case Operation::multiply:
        times_a_number(chain, step, random);
        break;
    case Operation::divide:
        divide_a_number(chain, step, random);
        break;
    }
}

MentalChain make_problem(Kind kind, RandomSource& random) {
    random.reseed();
    MentalChain chain;
    chain.kind =
        (kind == Kind::Integers || kind == Kind::Decimals) ? kind : Kind::PositiveWholeNumbers;
    shuffle_operations(chain, random);
    find_divide_step(chain);
    do {
        chain.values[0] = starting_value(chain.kind, random);
        for (int step = 1; step <= 4; ++step) {
            run_step(chain, step, random);
        }
    } while (chain.operands[chain.divide_step] == Quarters::whole(1));
    return chain;
}

} // namespace chalkline::fastmental
