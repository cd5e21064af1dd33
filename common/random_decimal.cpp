// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_decimal.h"

#include "number_text.h"

namespace chalkline {

std::string random_decimal(int whole, int digits, RandomSource& random) {
    if (digits < 1 || digits > 3) {
        digits = 3;
    }
    std::string text = number_text(whole) + ".";
    for (int i = 0; i < digits; ++i) {
        text += char('0' + random.draw(1, 9));
    }
    return text;
}

} // namespace chalkline
