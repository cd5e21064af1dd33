// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace chalkline::grids {

// Puts the first `count` places of the items in a random order drawn from the whole
// list (a partial Fisher-Yates shuffle): every choice of `count` items in every order is
// equally likely.
template <class Items> void shuffle_front(Items& items, std::size_t count, RandomSource& random) {
    const std::size_t size = std::size(items);
    for (std::size_t i = 0; i < count && i + 1 < size; ++i) {
        const auto pick = std::size_t(random.draw(int(i), int(size) - 1));
        std::swap(items[i], items[pick]);
    }
}

template <class Items> void shuffle(Items& items, RandomSource& random) {
    shuffle_front(items, std::size(items), random);
}

} // namespace chalkline::grids
