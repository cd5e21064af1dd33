// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace chalkline {

std::string number_text(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return "0";
    }
    std::array<char, 400> buffer{};
    std::to_chars_result result{};
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                               static_cast<long long>(value));
    } else {
        // The shortest fixed-point text that reads back as the same double.
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                               std::chars_format::fixed);
    }
    return std::string(buffer.data(), result.ptr);
}

double read_number(std::string_view text) {
    std::size_t end = 0;
    if (end < text.size() && text[end] == '-') {
        ++end;
    }
    bool digits = false;
    bool point = false;
    for (; end < text.size(); ++end) {
        const char c = text[end];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0;
    }
    std::string number(text.substr(0, end));
    if (number[0] == '-' && number[1] == '.') {
        number.insert(1, "0");
    } else if (number[0] == '.') {
        number.insert(0, "0");
    }
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value == 0.0 ? 0.0 : value;
}

} // namespace chalkline
