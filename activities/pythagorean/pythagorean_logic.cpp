// SPDX-License-Identifier: GPL-3.0-or-later
#include "pythagorean_logic.h"

#include <algorithm>
#include <numeric>

namespace chalkline::pythagorean {

namespace {

constexpr int kAttempts = 20;

// The pairs m > n >= 1 whose triple has m² + n² up to kLargest, each making a triple of
// its own (two pairs that make the same triple keep the first).
struct Pair {
    int m, n;
};
const std::vector<Pair>& euclid_pairs() {
    static const std::vector<Pair> list = [] {
        std::vector<Pair> found;
        std::vector<Triple> made;
        for (int m = 2; m * m + 1 <= kLargest; ++m) {
            for (int n = 1; n < m && m * m + n * n <= kLargest; ++n) {
                const Triple t = triple_of({{m * m - n * n, 2 * m * n, m * m + n * n}, {}, 0, 0});
                if (std::find(made.begin(), made.end(), t) == made.end()) {
                    made.push_back(t);
                    found.push_back({m, n});
                }
            }
        }
        return found;
    }();
    return list;
}

// k different indexes below size, in the order drawn (a partial shuffle).
std::vector<int> draw_distinct(RandomSource& random, int size, int k) {
    std::vector<int> indexes(std::size_t(size), 0);
    std::iota(indexes.begin(), indexes.end(), 0);
    for (int i = 0; i < k; ++i) {
        std::swap(indexes[std::size_t(i)], indexes[std::size_t(random.draw(i, size - 1))]);
    }
    indexes.resize(std::size_t(k));
    return indexes;
}

// Whether no other triple of the list has this number in this column.
bool alone_in_column(const std::vector<Triple>& list, const Triple& t, int column) {
    const auto at = [column](const Triple& x) {
        return column == 0 ? x.a : column == 1 ? x.b : x.c;
    };
    return std::count_if(list.begin(), list.end(),
                         [&](const Triple& x) { return at(x) == at(t); }) == 1;
}

// One or two numbers hidden; two only where the one shown settles the triple.
std::array<bool, 3> draw_hidden(RandomSource& random, const std::vector<Triple>& list,
                                const Triple& t) {
    std::vector<int> alone;
    for (int column = 0; column < 3; ++column) {
        if (alone_in_column(list, t, column)) {
            alone.push_back(column);
        }
    }
    const bool two = random.draw(1, 2) == 2 && !alone.empty();
    if (two) {
        const int shown = alone[std::size_t(random.draw(0, int(alone.size()) - 1))];
        std::array<bool, 3> hidden{true, true, true};
        hidden[std::size_t(shown)] = false;
        return hidden;
    }
    std::array<bool, 3> hidden{};
    hidden[std::size_t(random.draw(0, 2))] = true;
    return hidden;
}

Problem draw_problem(Kind kind, RandomSource& random) {
    Problem p;
    p.kind = kind;
    if (kind == Kind::Euclid) {
        const auto& pairs = euclid_pairs();
        const std::vector<int> picked = draw_distinct(random, int(pairs.size()), kRows);
        for (int r = 0; r < kRows; ++r) {
            const auto [m, n] = pairs[std::size_t(picked[std::size_t(r)])];
            p.rows[std::size_t(r)] = {
                {m * m - n * n, 2 * m * n, m * m + n * n}, {true, true, true}, m, n};
        }
        return p;
    }
    const std::vector<Triple> list = triples_of(kind);
    const std::vector<int> picked = draw_distinct(random, int(list.size()), kRows);
    for (int r = 0; r < kRows; ++r) {
        const Triple& t = list[std::size_t(picked[std::size_t(r)])];
        p.rows[std::size_t(r)] = {{t.a, t.b, t.c}, draw_hidden(random, list, t), 0, 0};
    }
    return p;
}

} // namespace

const std::vector<Triple>& all_triples() {
    static const std::vector<Triple> list = [] {
        std::vector<Triple> found;
        for (int c = 1; c <= kLargest; ++c) {
            for (int a = 1, b = c - 1; a < b;) {
                const int sum = a * a + b * b;
                if (sum == c * c) {
                    found.push_back({a, b, c});
                }
                // Two pointers: a grows while the sum is short, b shrinks while it is over.
                if (sum <= c * c) {
                    ++a;
                } else {
                    --b;
                }
            }
        }
        return found;
    }();
    return list;
}

std::vector<Triple> triples_of(Kind kind) {
    std::vector<Triple> list;
    for (const Triple& t : all_triples()) {
        const bool primitive = std::gcd(t.a, t.b) == 1;
        if (kind == Kind::Primitive ? primitive : !primitive) {
            list.push_back(t);
        }
    }
    return list;
}

Triple triple_of(const Row& row) {
    std::array<int, 3> sorted = row.numbers;
    std::sort(sorted.begin(), sorted.end());
    return {sorted[0], sorted[1], sorted[2]};
}

std::string row_text(const Row& row, bool reveal) {
    std::string text;
    for (std::size_t i = 0; i < 3; ++i) {
        text += (i ? ", " : "") +
                (row.hidden[i] && !reveal ? std::string("?") : std::to_string(row.numbers[i]));
    }
    return text;
}

Problem make_problem(Kind kind, RandomSource& random, const Problem& previous) {
    random.reseed();
    Problem p;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        p = draw_problem(kind, random);
        if (!(p == previous)) {
            return p;
        }
    }
    // The same five different triples in the reverse order: a different table.
    std::reverse(p.rows.begin(), p.rows.end());
    return p;
}

} // namespace chalkline::pythagorean
