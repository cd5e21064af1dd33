// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws.h"

#include <numeric>
#include <stdexcept>
#include <utility>

namespace chalkline::fractionkit {

std::vector<int> distinct_indexes(int count, int n, RandomSource& random) {
    if (count < 0 || count > n) {
        throw std::invalid_argument("more distinct indexes asked for than there are");
    }
    std::vector<int> all(static_cast<std::size_t>(n));
    std::iota(all.begin(), all.end(), 0);
    for (int i = 0; i < count; ++i) {
        std::swap(all[std::size_t(i)], all[std::size_t(random.draw(i, n - 1))]);
    }
    all.resize(std::size_t(count));
    return all;
}

} // namespace chalkline::fractionkit
