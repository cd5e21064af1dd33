// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity_setting.h"

#include <algorithm>
#include <cctype>

namespace chalkline {

namespace {

char lower(char c) {
    return char(std::tolower(static_cast<unsigned char>(c)));
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// "007.50" as 750 hundredths, when it has at most `decimals` decimals that are not zero.
std::optional<long long> scaled_number(std::string_view text, int decimals) {
    const auto point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    if (!std::all_of(whole.begin(), whole.end(), is_digit) ||
        !std::all_of(fraction.begin(), fraction.end(), is_digit) ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    if (int(fraction.size()) > decimals) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : whole) {
        value = value * 10 + (c - '0');
        if (value > 1'000'000'000) {
            return std::nullopt;
        }
    }
    for (int i = 0; i < decimals; ++i) {
        value = value * 10 + (i < int(fraction.size()) ? fraction[std::size_t(i)] - '0' : 0);
    }
    return value;
}

} // namespace

bool same_key(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::string> accepted(const ActivitySetting& setting, std::string_view value) {
    if (!setting.is_number()) {
        for (const std::string_view word : setting.words) {
            if (!word.empty() && same_key(word, value)) {
                return std::string(word);
            }
        }
        return std::nullopt;
    }
    const std::optional<long long> number = scaled_number(value, setting.decimals);
    long long unit = 1;
    for (int i = 0; i < setting.decimals; ++i) {
        unit *= 10;
    }
    if (!number || *number < setting.low * unit || *number > setting.high * unit) {
        return std::nullopt;
    }
    std::string text = std::to_string(*number / unit);
    if (const long long rest = *number % unit; rest != 0) {
        std::string digits = std::to_string(rest);
        digits.insert(0, std::size_t(setting.decimals) - digits.size(), '0');
        while (digits.back() == '0') {
            digits.pop_back();
        }
        text += '.' + digits;
    }
    return text;
}

} // namespace chalkline
