// SPDX-License-Identifier: GPL-3.0-or-later
#include "percentages_logic.h"

#include "draws.h"

#include <stdexcept>
#include <vector>

namespace chalkline::percentages {

namespace {

// The percentages of each pair of questions, easiest first.
const std::vector<Fraction>& tier(int which) {
    static const std::vector<Fraction> tiers[3] = {
        {10, 25, 50, 20, 75},
        {5, 15, 35, 30, 45, 60},
        {Fraction(25, 2), Fraction(35, 2), Fraction(5, 2), Fraction(75, 2), Fraction(15, 2)},
    };
    return tiers[which];
}

// The amounts lie in this range, so that the numbers stay ones a class works with.
constexpr std::int64_t kLowest = 20;
constexpr std::int64_t kHighest = 400;

// The smallest amount whose share of `percent` has at most `places` decimal places:
// every amount that is a multiple of it does too.
std::int64_t unit(const Fraction& percent, int places) {
    Fraction scaled = percent / 100;
    for (int i = 0; i < places; ++i) {
        scaled *= 10;
    }
    return scaled.denominator();
}

// The wholes of WhatPercentage: numbers that go into 100 or that 100 goes into nicely,
// as a class meets them ("18 out of 40"). 40 and 200 suit every percentage of the tiers.
constexpr std::int64_t kWholes[] = {20, 25, 40, 50, 60, 80, 120, 150, 200, 250, 300, 400};

std::int64_t draw_amount(Kind kind, const Fraction& percent, int level, RandomSource& random) {
    if (kind == Kind::WhatPercentage) {
        // A part of a whole is always whole.
        const std::int64_t step = unit(percent, 0);
        std::vector<std::int64_t> wholes;
        for (const std::int64_t whole : kWholes) {
            if (whole % step == 0) {
                wholes.push_back(whole);
            }
        }
        return wholes[std::size_t(random.draw(0, int(wholes.size()) - 1))];
    }
    // The last pair's answers may have two decimal places.
    const std::int64_t step = unit(percent, level == 2 ? 2 : 0);
    const auto first = int((kLowest + step - 1) / step);
    const auto last = int(kHighest / step);
    return step * random.draw(first, last);
}

Question make_question(Kind kind, int level, const Fraction& percent, RandomSource& random) {
    Question question;
    question.kind = kind;
    question.percent = percent;
    question.amount = draw_amount(kind, percent, level, random);
    question.increase = kind == Kind::IncreaseAndDecrease && random.draw(0, 1) == 1;
    return question;
}

Questions draw_questions(Kind kind, RandomSource& random) {
    Questions questions;
    for (int level = 0; level < 3; ++level) {
        const std::vector<Fraction>& percents = tier(level);
        const std::vector<int> two = fractionkit::distinct_indexes(2, int(percents.size()), random);
        for (int i = 0; i < 2; ++i) {
            questions[std::size_t(2 * level + i)] =
                make_question(kind, level, percents[std::size_t(two[std::size_t(i)])], random);
        }
    }
    return questions;
}

} // namespace

Questions make_problem(Kind kind, RandomSource& random, const Questions* previous) {
    random.reseed();
    // The first pair stand on different percentages, so swapping them always differs.
    return fractionkit::draw_unlike(
        previous, [&] { return draw_questions(kind, random); },
        [](Questions& questions) { std::swap(questions[0], questions[1]); });
}

Fraction share(const Question& question) {
    return question.percent * question.amount / 100;
}

std::int64_t part(const Question& question) {
    return share(question).whole_part();
}

Fraction answer(const Question& question) {
    switch (question.kind) {
    case Kind::OfAnAmount:
        return share(question);
    case Kind::IncreaseAndDecrease:
        return question.increase ? question.amount + share(question)
                                 : question.amount - share(question);
    case Kind::WhatPercentage:
        return question.percent;
    }
    throw std::invalid_argument("unknown kind of percentage question");
}

std::string percent_text_of(const Question& question) {
    return *percent_text(question.percent / 100);
}

std::string answer_text(const Question& question) {
    if (question.kind == Kind::WhatPercentage) {
        return percent_text_of(question);
    }
    return *decimal_text(answer(question));
}

} // namespace chalkline::percentages
