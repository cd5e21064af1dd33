// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_logic.h"

#include "number_text.h"
#include "random_decimal.h"

#include <utility>

namespace chalkline::ordering {

namespace {

// One number of the set. Each number starts from a freshly seeded generator.
std::string draw_number(Kind kind, int whole, RandomSource& random) {
    random.reseed();
    switch (kind) {
    case Kind::Decimals:
        return random_decimal(whole, random.draw(1, 3), random);
    case Kind::Integers: {
        int value = random.draw(-50, 50);
        while (value == 0) {
            random.reseed();
            value = random.draw(-50, 50);
        }
        return number_text(value);
    }
    case Kind::PositiveWholeNumbers:
        break;
    }
    return number_text(random.draw(1, 50));
}

} // namespace

OrderingBoard make_problem(Kind kind, RandomSource& random) {
    OrderingBoard board;
    random.reseed();
    // The decimals of one set all share their whole part, even across redraws, so
    // the class has to look past it to the decimal places.
    const int whole = kind == Kind::Decimals ? random.draw(1, 5) : 0;
    do {
        for (auto& number : board.numbers) {
            number = draw_number(kind, whole, random);
        }
    } while (check_order(board.numbers) == 1);
    return board;
}

int check_order(const Texts& numbers) {
    static constexpr std::pair<int, int> pairs[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {2, 1},
                                                    {3, 1}, {4, 1}, {3, 2}, {4, 2}, {4, 3}};
    for (const auto& [a, b] : pairs) {
        if (read_number(numbers[a]) == read_number(numbers[b])) {
            return 1;
        }
    }
    return 0;
}

int place_number(OrderingBoard& board, int index) {
    for (int k = 0; k < kCount; ++k) {
        if (board.places[k].empty()) {
            board.places[k] = board.numbers[index];
            board.used[index] = true;
            return k;
        }
    }
    return -1;
}

int undo_last(OrderingBoard& board) {
    int last = kCount - 1;
    for (int k = 1; k < kCount; ++k) {
        if (board.places[k].empty()) {
            last = k - 1;
            break;
        }
    }
    if (board.places[last].empty()) {
        return -1;
    }
    const double value = read_number(board.places[last]);
    board.places[last].clear();
    for (int j = 0; j < kCount; ++j) {
        if (read_number(board.numbers[j]) == value) {
            board.used[j] = false;
            return j;
        }
    }
    return -1;
}

bool board_full(const OrderingBoard& board) {
    return !board.places[kCount - 1].empty();
}

bool order_correct(const Texts& places) {
    // An empty place is never in order: a board with a gap must not pass just
    // because the gap would read as 0.
    for (const auto& place : places) {
        if (place.empty()) {
            return false;
        }
    }
    for (int k = 1; k < kCount; ++k) {
        if (!(read_number(places[k]) > read_number(places[k - 1]))) {
            return false;
        }
    }
    return true;
}

Texts sorted_solution(const Texts& numbers) {
    Texts places = numbers;
    for (int pass = 0; pass < kCount; ++pass) {
        for (int j = 0; j + 1 < kCount; ++j) {
            if (read_number(places[j + 1]) < read_number(places[j])) {
                std::swap(places[j], places[j + 1]);
                places[j] = number_text(read_number(places[j]));
            }
        }
    }
    return places;
}

} // namespace chalkline::ordering
