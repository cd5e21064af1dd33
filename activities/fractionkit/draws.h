// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstddef>
#include <vector>

namespace chalkline::fractionkit {

// Draws that finish in a fixed number of steps, for problems built constructively.

// count different indexes from 0 to n - 1 in random order (count <= n): the start of
// a shuffle.
std::vector<int> distinct_indexes(int count, int n, RandomSource& random);

// An index from 0 to n - 1 other than `avoid` (n >= 2; an avoid outside the range
// avoids nothing).
int index_other_than(int n, int avoid, RandomSource& random);

// A result of `draw` other than `previous`: drawn again while it equals it, at most
// kRedraws times, and then changed by `differ`, which must make it differ.
inline constexpr int kRedraws = 20;
template <class T, class Draw, class Differ>
T draw_unlike(const T* previous, Draw draw, Differ differ) {
    T result = draw();
    for (int tries = 0; previous && result == *previous && tries < kRedraws; ++tries) {
        result = draw();
    }
    if (previous && result == *previous) {
        differ(result);
    }
    return result;
}

// The place of a value in a list, or -1.
template <class T> int index_of(const std::vector<T>& list, const T& value) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == value) {
            return int(i);
        }
    }
    return -1;
}

} // namespace chalkline::fractionkit
