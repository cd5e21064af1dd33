// SPDX-License-Identifier: GPL-3.0-or-later
#include "twentyfour_logic.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>

namespace chalkline::twentyfour {

namespace {

// A value on the way, as a fraction kept unreduced for speed: four numbers up to 13
// keep every part far inside 64 bits. The denominator is above 0.
struct Quick {
    std::int64_t n;
    std::int64_t d;
};

// Every value the numbers make, combining two of them at a time in every way until one
// is left: the values of all the expressions that use each number once. Stops as soon
// as `found` says so; returns whether it did.
template <class Found> bool each_value(Quick* values, int count, Found& found) {
    if (count == 1) {
        return found(values[0]);
    }
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const Quick a = values[i];
            const Quick b = values[j];
            Quick rest[4];
            int k = 0;
            for (int m = 0; m < count; ++m) {
                if (m != i && m != j) {
                    rest[k++] = values[m];
                }
            }
            const auto try_with = [&](Quick made) {
                if (made.d < 0) {
                    made = {-made.n, -made.d};
                }
                rest[k] = made;
                return each_value(rest, k + 1, found);
            };
            if (try_with({a.n * b.d + b.n * a.d, a.d * b.d}) ||
                try_with({a.n * b.d - b.n * a.d, a.d * b.d}) ||
                try_with({b.n * a.d - a.n * b.d, a.d * b.d}) || try_with({a.n * b.n, a.d * b.d}) ||
                (b.n != 0 && try_with({a.n * b.d, a.d * b.n})) ||
                (a.n != 0 && try_with({b.n * a.d, b.d * a.n}))) {
                return true;
            }
        }
    }
    return false;
}

std::array<Quick, 4> quick_of(const std::array<int, 4>& numbers) {
    return {{{numbers[0], 1}, {numbers[1], 1}, {numbers[2], 1}, {numbers[3], 1}}};
}

// Each set of four numbers from 1 to top, smallest first, once.
template <class Visit> void each_set(int top, Visit visit) {
    for (int a = 1; a <= top; ++a) {
        for (int b = a; b <= top; ++b) {
            for (int c = b; c <= top; ++c) {
                for (int d = c; d <= top; ++d) {
                    visit(std::array<int, 4>{a, b, c, d});
                }
            }
        }
    }
}

// The 1,820 sets of 1 to 13 that make 24 (those of 1 to 9 among them).
std::vector<Puzzle> make_24_from_1_to_13() {
    std::vector<Puzzle> puzzles;
    each_set(13, [&](const std::array<int, 4>& numbers) {
        const Puzzle puzzle{numbers, 24};
        if (solvable(puzzle)) {
            puzzles.push_back(puzzle);
        }
    });
    return puzzles;
}

// The sets of 1 to 9 with each target from 1 to 30 other than 24 that they make.
std::vector<Puzzle> make_targets_from_1_to_9() {
    std::vector<Puzzle> puzzles;
    each_set(9, [&](const std::array<int, 4>& numbers) {
        std::uint32_t made = 0;
        const auto found = [&made](const Quick& v) {
            if (v.n % v.d == 0 && v.n / v.d >= 1 && v.n / v.d <= 30) {
                made |= std::uint32_t{1} << (v.n / v.d);
            }
            return false;
        };
        auto values = quick_of(numbers);
        each_value(values.data(), 4, found);
        for (int target = 1; target <= 30; ++target) {
            if (target != 24 && (made >> target & 1) != 0) {
                puzzles.push_back({numbers, target});
            }
        }
    });
    return puzzles;
}

// A solution being built: its expression, its value and what it met on the way.
struct Part {
    Expression e = Expression::number(0);
    Fraction value;
    bool divides = false;
    bool fraction = false;
    bool negative = false;
};

Part join(Operator op, const Part& a, const Part& b) {
    Part made{Expression::binary(op, a.e, b.e), 0, a.divides || b.divides, a.fraction || b.fraction,
              a.negative || b.negative};
    switch (op) {
    case Operator::add:
        made.value = a.value + b.value;
        break;
    case Operator::subtract:
        made.value = a.value - b.value;
        break;
    case Operator::multiply:
        made.value = a.value * b.value;
        break;
    case Operator::divide:
        made.value = a.value / b.value;
        made.divides = true;
        break;
    }
    made.fraction = made.fraction || !made.value.is_whole();
    made.negative = made.negative || made.value.is_negative();
    return made;
}

// Every expression over the parts, as each_value makes them and with the operands of
// each sum and product in both orders, to `found`.
template <class Found> void each_expression(std::vector<Part>& parts, Found& found) {
    if (parts.size() == 1) {
        found(parts[0]);
        return;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            std::vector<Part> rest;
            for (std::size_t m = 0; m < parts.size(); ++m) {
                if (m != i && m != j) {
                    rest.push_back(parts[m]);
                }
            }
            rest.emplace_back();
            const auto try_with = [&](Operator op, const Part& a, const Part& b) {
                if (op == Operator::divide && b.value == 0) {
                    return;
                }
                rest.back() = join(op, a, b);
                each_expression(rest, found);
            };
            const Part& a = parts[i];
            const Part& b = parts[j];
            // Both orders of a sum and a product too: they are the same way, but one of
            // them may be written with fewer brackets.
            for (const auto& [first, second] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
                for (const Operator op :
                     {Operator::add, Operator::subtract, Operator::multiply, Operator::divide}) {
                    try_with(op, *first, *second);
                }
            }
        }
    }
}

// The terms of a run of + and - (or the factors of a run of x and ÷), each marked "*"
// as it stands or "/" when it is subtracted (or divided by).
void collect_way(const Expression& e, bool inverse, Operator plus, Operator minus,
                 std::vector<std::string>& items) {
    if (e.kind() == Expression::Kind::binary && (e.op() == plus || e.op() == minus)) {
        collect_way(e.left(), inverse, plus, minus, items);
        collect_way(e.right(), inverse != (e.op() == minus), plus, minus, items);
        return;
    }
    items.push_back((inverse ? "/" : "*") + way_of(e));
}

} // namespace

bool solvable(const Puzzle& puzzle) {
    const auto found = [&puzzle](const Quick& v) { return v.n == puzzle.target * v.d; };
    auto values = quick_of(puzzle.numbers);
    return each_value(values.data(), 4, found);
}

const std::vector<Puzzle>& solvable_puzzles(Kind kind) {
    switch (kind) {
    case Kind::one_to_nine: {
        static const std::vector<Puzzle> puzzles = [] {
            std::vector<Puzzle> small;
            for (const Puzzle& p : solvable_puzzles(Kind::one_to_thirteen)) {
                if (p.numbers[3] <= 9) {
                    small.push_back(p);
                }
            }
            return small;
        }();
        return puzzles;
    }
    case Kind::one_to_thirteen: {
        static const std::vector<Puzzle> puzzles = make_24_from_1_to_13();
        return puzzles;
    }
    case Kind::target_one_to_thirty:
        break;
    }
    static const std::vector<Puzzle> puzzles = make_targets_from_1_to_9();
    return puzzles;
}

std::string way_of(const Expression& solution) {
    if (solution.kind() != Expression::Kind::binary) {
        return fraction_text(solution.value());
    }
    std::vector<std::string> items;
    const bool sum = solution.op() == Operator::add || solution.op() == Operator::subtract;
    if (sum) {
        collect_way(solution, false, Operator::add, Operator::subtract, items);
    } else {
        collect_way(solution, false, Operator::multiply, Operator::divide, items);
    }
    std::sort(items.begin(), items.end());
    std::string text = sum ? "S[" : "P[";
    for (const std::string& item : items) {
        text += item;
    }
    return text + "]";
}

Answer solve(const Puzzle& puzzle) {
    std::vector<Part> parts;
    for (int n : puzzle.numbers) {
        parts.push_back({Expression::number(n), n});
    }
    std::set<std::string> ways;
    std::optional<std::tuple<int, bool, bool, bool, std::string>> best;
    Answer answer;
    const auto found = [&](const Part& p) {
        if (p.value != puzzle.target) {
            return;
        }
        ways.insert(way_of(p.e));
        std::string text = expression_text(p.e);
        const auto key = std::make_tuple(int(std::count(text.begin(), text.end(), '(')), p.divides,
                                         p.fraction, p.negative, std::move(text));
        if (!best || key < *best) {
            best = key;
            answer.solution = p.e;
        }
    };
    each_expression(parts, found);
    answer.ways = int(ways.size());
    return answer;
}

Problem make_problem(Kind kind, RandomSource& random, const Puzzle* previous) {
    random.reseed();
    const std::vector<Puzzle>& puzzles = solvable_puzzles(kind);
    // Drawn from the precomputed list; a draw equal to the puzzle before is drawn again
    // a few times, and then its neighbour in the list (a different puzzle) is taken.
    int index = random.draw(0, int(puzzles.size()) - 1);
    for (int tries = 0; previous && puzzles[std::size_t(index)] == *previous && tries < 10;
         ++tries) {
        index = random.draw(0, int(puzzles.size()) - 1);
    }
    if (previous && puzzles[std::size_t(index)] == *previous) {
        index = (index + 1) % int(puzzles.size());
    }
    const Puzzle& puzzle = puzzles[std::size_t(index)];
    return {kind, puzzle, solve(puzzle)};
}

} // namespace chalkline::twentyfour
