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

// One item of a list, each equally likely (the list is not empty).
template <class T> const T& any_of(const std::vector<T>& list, RandomSource& random) {
    return list[std::size_t(random.draw(0, int(list.size()) - 1))];
}

} // namespace chalkline::fractionkit
