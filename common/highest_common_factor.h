// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace chalkline {

// The highest whole number that divides both x and y, found by trying every candidate
// from |larger| down to 1. The two arguments are put in order first (x the smaller,
// y the larger) and the caller's variables are exchanged with them, so callers hand in
// working copies. When the larger is 0 no candidate is tried and the result is 0.
// The result is an int because the one case -32768, -32768 has 32768 as its answer.
int highest_common_factor(std::int16_t& x, std::int16_t& y);

} // namespace chalkline
