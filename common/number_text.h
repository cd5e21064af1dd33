// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace chalkline {

// Writes a value as the class sees it: whole numbers plainly ("12", "-5"), other
// values in plain decimal with no trailing zeros and a leading "0" below 1
// ("0.5", "-0.75", "7.25"). Never an exponent, never grouping, never "-0".
std::string number_text(double value);

// Reads a text back by its leading number: an optional "-", digits and at most one
// decimal point. Whatever follows is ignored; a text with no leading number reads 0.
double read_number(std::string_view text);

} // namespace chalkline
