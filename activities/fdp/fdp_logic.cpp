// SPDX-License-Identifier: GPL-3.0-or-later
#include "fdp_logic.h"

#include "draws.h"

#include <numeric>
#include <vector>

namespace chalkline::fdp {

namespace {

using chalkline::Fraction;

// The values between 0 and 1 whose lowest terms have one of these denominators.
std::vector<Fraction> proper_fractions(std::initializer_list<std::int64_t> denominators) {
    std::vector<Fraction> values;
    for (const std::int64_t denominator : denominators) {
        for (std::int64_t numerator = 1; numerator < denominator; ++numerator) {
            if (std::gcd(numerator, denominator) == 1) {
                values.emplace_back(numerator, denominator);
            }
        }
    }
    return values;
}

const std::vector<Fraction>& simple_values() {
    static const std::vector<Fraction> values = proper_fractions({2, 4, 5, 10});
    return values;
}

const std::vector<Fraction>& over_one_values() {
    static const std::vector<Fraction> values = [] {
        std::vector<Fraction> all;
        for (std::int64_t whole = 1; whole <= 3; ++whole) {
            for (const Fraction& part : simple_values()) {
                all.push_back(whole + part);
            }
        }
        return all;
    }();
    return values;
}

// The harder denominators: one table takes six of the seven, each with a numerator of
// its own, so that thirds or sixths always come and no value comes twice.
constexpr std::int64_t kHarderDenominators[] = {8, 20, 25, 50, 100, 3, 6};

std::vector<Fraction> harder_values(RandomSource& random) {
    std::vector<Fraction> values;
    for (const int which : fractionkit::distinct_indexes(kRows, 7, random)) {
        const std::vector<Fraction> choices = proper_fractions({kHarderDenominators[which]});
        values.push_back(choices[std::size_t(random.draw(0, int(choices.size()) - 1))]);
    }
    return values;
}

std::vector<Fraction> draw_values(Kind kind, RandomSource& random) {
    if (kind == Kind::Harder) {
        return harder_values(random);
    }
    const std::vector<Fraction>& all = kind == Kind::Simple ? simple_values() : over_one_values();
    std::vector<Fraction> values;
    for (const int which : fractionkit::distinct_indexes(kRows, int(all.size()), random)) {
        values.push_back(all[std::size_t(which)]);
    }
    return values;
}

Table draw_table(Kind kind, RandomSource& random) {
    const std::vector<Fraction> values = draw_values(kind, random);
    // Each column twice, in random order.
    const std::vector<int> order = fractionkit::distinct_indexes(kRows, kRows, random);
    Table table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].value = values[i];
        table[i].shown = Column(order[i] % kColumns);
        table[i].mixed = kind == Kind::OverOne && random.draw(0, 1) == 1;
    }
    return table;
}

} // namespace

Table make_problem(Kind kind, RandomSource& random, const Table* previous) {
    random.reseed();
    return fractionkit::draw_unlike(
        previous, [&] { return draw_table(kind, random); },
        [](Table& table) {
            for (Row& row : table) {
                row.shown = Column((int(row.shown) + 1) % kColumns);
            }
        });
}

std::array<std::string, kColumns> forms(const Row& row) {
    return {row.mixed ? mixed_text(row.value) : fraction_text(row.value), dotted_text(row.value),
            dotted_text(row.value * 100) + "%"};
}

std::string row_text(const Row& row, bool solved) {
    const std::array<std::string, kColumns> all = forms(row);
    std::string text;
    for (int column = 0; column < kColumns; ++column) {
        if (column > 0) {
            text += " = ";
        }
        text += solved || Column(column) == row.shown ? all[std::size_t(column)] : "?";
    }
    return text;
}

} // namespace chalkline::fdp
