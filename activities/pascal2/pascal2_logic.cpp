// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal2_logic.h"

#include "triangle.h"

#include <algorithm>
#include <cstdint>

namespace chalkline::pascal2 {

int rows_of(Kind kind) {
    switch (kind) {
    case Kind::Rows32:
        return 32;
    case Kind::Rows64:
        return 64;
    default:
        return 16;
    }
}

std::vector<bool> multiples_of(int divisor, int rows) {
    std::vector<int> remainders(std::size_t(boards::cell_count(rows)), 1 % divisor);
    for (const boards::SumRule& rule : boards::sums_of_two_above(rows)) {
        remainders[std::size_t(rule.total)] =
            (remainders[std::size_t(rule.first)] + remainders[std::size_t(rule.second)]) % divisor;
    }
    std::vector<bool> multiple(remainders.size());
    std::transform(remainders.begin(), remainders.end(), multiple.begin(),
                   [](int remainder) { return remainder == 0; });
    return multiple;
}

Question make_problem(Kind kind, RandomSource& random, int previous_divisor) {
    Question question;
    question.kind = kind;
    question.rows = rows_of(kind);
    random.reseed();
    const bool skip = previous_divisor >= 2 && previous_divisor <= 9;
    question.divisor = random.draw(2, skip ? 8 : 9);
    if (skip && question.divisor >= previous_divisor) {
        ++question.divisor;
    }
    question.multiple = multiples_of(question.divisor, question.rows);
    question.multiples = int(std::count(question.multiple.begin(), question.multiple.end(), true));
    return question;
}

std::vector<std::string> number_texts(int rows) {
    std::vector<std::string> texts(std::size_t(boards::cell_count(rows)));
    if (rows > kNumberedRows) {
        return texts;
    }
    const std::vector<std::int64_t> numbers = boards::pascal_triangle(rows);
    std::transform(numbers.begin(), numbers.end(), texts.begin(),
                   [](std::int64_t number) { return std::to_string(number); });
    return texts;
}

int rows_per_part(int rows) {
    return std::max(1, rows / 8);
}

} // namespace chalkline::pascal2
