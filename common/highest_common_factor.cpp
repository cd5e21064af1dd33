// SPDX-License-Identifier: GPL-3.0-or-later
#include "highest_common_factor.h"

#include <cstdlib>
#include <utility>

namespace chalkline {

int highest_common_factor(std::int16_t& x, std::int16_t& y) {
    if (x > y) {
        std::swap(x, y);
    }
    // Worked in int: |-32768| does not fit in 16 bits.
    const int smaller = x;
    const int larger = y;
    for (int i = std::abs(larger); i >= 1; --i) {
        if (smaller % i == 0 && larger % i == 0) {
            return i;
        }
    }
    return 0;
}

} // namespace chalkline
