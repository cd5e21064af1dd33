// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checks, without the solver's help, that the steps of a Solution really work out every
// hidden number of a triangle from the shown ones: each step uses a true sum of the
// triangle (the number and the two below it, or the two above it), both other numbers
// are known by then, and the step gives the number's own value. Such a chain also
// proves that the shown numbers fix all the others.

#include "triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace chalkline::boards::testing {

// A random source that gives the same draws for ever: every random choice repeats, so a
// generator must reach its guaranteed way out.
class StuckRandom final : public RandomSource {
public:
    float next() override { return 0.0f; }
};

// Row and place of a cell, counted afresh.
inline std::pair<int, int> place_of(int cell) {
    int row = 0;
    while (cell > row) {
        cell -= ++row;
    }
    return {row, cell};
}

// Whether total = first + second is a sum of the triangle: the total with the two below
// it (below set) or with the two above it.
inline bool true_sum(int total, int first, int second, bool below) {
    const auto [row, place] = place_of(total);
    const int step = below ? 1 : -1;
    const int left = below ? place : place - 1;
    std::array<std::pair<int, int>, 2> parts = {place_of(first), place_of(second)};
    std::sort(parts.begin(), parts.end());
    return parts[0] == std::pair{row + step, left} && parts[1] == std::pair{row + step, left + 1};
}

template <class Value>
::testing::AssertionResult worked_out(const std::vector<Value>& values,
                                      const std::vector<bool>& shown,
                                      const std::vector<Step>& steps, bool below) {
    std::vector<bool> known = shown;
    for (const Step& step : steps) {
        const auto cell = std::size_t(step.cell);
        const auto a = std::size_t(step.from[0]);
        const auto b = std::size_t(step.from[1]);
        if (known.at(cell) || !known.at(a) || !known.at(b)) {
            return ::testing::AssertionFailure() << "step to cell " << cell << " not from known";
        }
        const bool sum = step.adding ? true_sum(step.cell, step.from[0], step.from[1], below)
                                     : true_sum(step.from[0], step.cell, step.from[1], below);
        const Value value = step.adding ? values[a] + values[b] : values[a] - values[b];
        if (!sum || !(value == values[cell])) {
            return ::testing::AssertionFailure() << "step to cell " << cell << " is wrong";
        }
        known[cell] = true;
    }
    if (std::count(known.begin(), known.end(), false) != 0) {
        return ::testing::AssertionFailure() << "a hidden number is never worked out";
    }
    return ::testing::AssertionSuccess();
}

} // namespace chalkline::boards::testing
