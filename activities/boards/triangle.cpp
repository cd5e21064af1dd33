// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace chalkline::boards {

int cell_count(int rows) {
    return rows * (rows + 1) / 2;
}

int cell_of(int row, int place) {
    if (row < 0 || place < 0 || place > row) {
        throw std::out_of_range("no such place in the triangle");
    }
    return cell_count(row) + place;
}

int row_of(int cell) {
    int row = 0;
    while (cell_count(row + 1) <= cell) {
        ++row;
    }
    return row;
}

std::vector<SumRule> sums_of_two_below(int rows) {
    std::vector<SumRule> rules;
    for (int row = 0; row + 1 < rows; ++row) {
        for (int place = 0; place <= row; ++place) {
            rules.push_back(
                {cell_of(row, place), cell_of(row + 1, place), cell_of(row + 1, place + 1)});
        }
    }
    return rules;
}

std::vector<SumRule> sums_of_two_above(int rows) {
    std::vector<SumRule> rules;
    for (int row = 2; row < rows; ++row) {
        for (int place = 1; place < row; ++place) {
            rules.push_back(
                {cell_of(row, place), cell_of(row - 1, place - 1), cell_of(row - 1, place)});
        }
    }
    return rules;
}

std::vector<std::int64_t> pascal_triangle(int rows) {
    if (rows > 64) {
        throw std::out_of_range("Pascal's triangle past 64 rows overflows");
    }
    std::vector<std::int64_t> numbers(std::size_t(cell_count(rows)), 1);
    for (const SumRule& rule : sums_of_two_above(rows)) {
        numbers[std::size_t(rule.total)] =
            numbers[std::size_t(rule.first)] + numbers[std::size_t(rule.second)];
    }
    return numbers;
}

std::optional<std::vector<Step>> work_out(const std::vector<SumRule>& rules,
                                          std::vector<bool> known) {
    std::vector<Step> steps;
    for (;;) {
        std::optional<Step> addition;
        std::optional<Step> subtraction;
        const auto better = [](const std::optional<Step>& best, int cell) {
            return !best || cell < best->cell;
        };
        for (const SumRule& rule : rules) {
            const bool total = known[std::size_t(rule.total)];
            const bool first = known[std::size_t(rule.first)];
            const bool second = known[std::size_t(rule.second)];
            if (!total && first && second && better(addition, rule.total)) {
                addition = Step{rule.total, {rule.first, rule.second}, true};
            } else if (total && !first && second && better(subtraction, rule.first)) {
                subtraction = Step{rule.first, {rule.total, rule.second}, false};
            } else if (total && first && !second && better(subtraction, rule.second)) {
                subtraction = Step{rule.second, {rule.total, rule.first}, false};
            }
        }
        const std::optional<Step> next = addition ? addition : subtraction;
        if (!next) {
            break;
        }
        known[std::size_t(next->cell)] = true;
        steps.push_back(*next);
    }
    for (bool cell : known) {
        if (!cell) {
            return std::nullopt;
        }
    }
    return steps;
}

std::string rows_text(int rows, const std::vector<std::string>& texts,
                      const std::vector<bool>& shown, bool bottom_first) {
    std::string text;
    for (int i = 0; i < rows; ++i) {
        const int row = bottom_first ? rows - 1 - i : i;
        if (i > 0) {
            text += "; ";
        }
        for (int place = 0; place <= row; ++place) {
            const auto cell = std::size_t(cell_of(row, place));
            if (place > 0) {
                text += ", ";
            }
            text += shown.empty() || shown[cell] ? texts[cell] : "?";
        }
    }
    return text;
}

std::vector<int> pick_cells(std::vector<int> pool, int count, RandomSource& random) {
    const int size = int(pool.size());
    if (count > size) {
        throw std::invalid_argument("more cells asked for than the pool holds");
    }
    for (int i = 0; i < count; ++i) {
        std::swap(pool[std::size_t(i)], pool[std::size_t(random.draw(i, size - 1))]);
    }
    pool.resize(std::size_t(count));
    return pool;
}

std::vector<bool> shown_except(int cells, const std::vector<int>& hidden) {
    std::vector<bool> shown(std::size_t(cells), true);
    for (int cell : hidden) {
        shown.at(std::size_t(cell)) = false;
    }
    return shown;
}

} // namespace chalkline::boards
