// SPDX-License-Identifier: GPL-3.0-or-later
#include "hailstone_logic.h"

#include <stdexcept>

namespace chalkline::hailstone {

int largest_start(Kind kind) {
    switch (kind) {
    case Kind::UpTo30:
        return 30;
    case Kind::UpTo100:
        return 100;
    case Kind::UpTo1000:
        return 1000;
    }
    throw std::invalid_argument("unknown kind");
}

std::int64_t next_term(std::int64_t n) {
    if (n < 1) {
        throw std::invalid_argument("hailstone term below 1");
    }
    if (n % 2 == 0) {
        return n / 2;
    }
    std::int64_t tripled = 0;
    std::int64_t next = 0;
    if (__builtin_mul_overflow(n, 3, &tripled) || __builtin_add_overflow(tripled, 1, &next)) {
        throw std::overflow_error("hailstone term past 64 bits");
    }
    return next;
}

Sequence hailstone_sequence(std::int64_t start) {
    Sequence sequence;
    std::int64_t term = start;
    sequence.terms.push_back(term);
    sequence.highest = term;
    while (term != 1) {
        if (sequence.steps == kMostSteps) {
            throw std::length_error("hailstone sequence too long");
        }
        term = next_term(term);
        sequence.terms.push_back(term);
        ++sequence.steps;
        if (term > sequence.highest) {
            sequence.highest = term;
        }
    }
    return sequence;
}

int make_problem(Kind kind, RandomSource& random, int previous) {
    random.reseed();
    const int largest = largest_start(kind);
    int start = previous;
    for (int tries = 0; tries < 8 && start == previous; ++tries) {
        start = random.draw(1, largest);
    }
    return start != previous ? start : start % largest + 1;
}

std::string terms_text(const Sequence& sequence) {
    std::string text;
    for (std::int64_t term : sequence.terms) {
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(term);
    }
    return text;
}

} // namespace chalkline::hailstone
