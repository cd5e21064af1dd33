// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <string>

namespace chalkline {

// The text of a decimal with the given whole part and `digits` decimal places,
// each digit drawn from 1 to 9 in order, so the text never ends in a zero and
// always shows exactly that many places: (3, 2) may give "3.47". A digits count
// other than 1, 2 or 3 gives three places.
std::string random_decimal(int whole, int digits, RandomSource& random);

} // namespace chalkline
