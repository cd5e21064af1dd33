// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction.h"

#include <cstdlib>
#include <limits>
#include <map>
#include <numeric>

namespace chalkline {

namespace {

using Int = std::int64_t;
// Wide enough for the cross products and remainders of 64-bit parts.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

Int checked_add(Int a, Int b) {
    Int r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        throw FractionError("fraction out of range");
    }
    return r;
}

Int checked_mul(Int a, Int b) {
    Int r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        throw FractionError("fraction out of range");
    }
    return r;
}

Int checked_neg(Int a) {
    if (a == std::numeric_limits<Int>::min()) {
        throw FractionError("fraction out of range");
    }
    return -a;
}

} // namespace

Fraction::Fraction(Int whole) : numerator_(whole) {}

Fraction::Fraction(Int numerator, Int denominator) {
    if (denominator == 0) {
        throw FractionError("division by zero");
    }
    if (denominator < 0) {
        numerator = checked_neg(numerator);
        denominator = checked_neg(denominator);
    }
    const Int common = std::gcd(numerator, denominator);
    numerator_ = numerator / common;
    denominator_ = denominator / common;
}

Fraction Fraction::operator-() const {
    return Fraction(checked_neg(numerator_), denominator_);
}

// Sums and products are formed over the least common denominator and cross-cancelled
// first, so that a result that fits is never lost to an intermediate that does not.
Fraction operator+(const Fraction& a, const Fraction& b) {
    const Int common = std::gcd(a.denominator_, b.denominator_);
    const Int left = checked_mul(a.numerator_, b.denominator_ / common);
    const Int right = checked_mul(b.numerator_, a.denominator_ / common);
    return Fraction(checked_add(left, right), checked_mul(a.denominator_ / common, b.denominator_));
}

Fraction operator-(const Fraction& a, const Fraction& b) {
    return a + (-b);
}

Fraction operator*(const Fraction& a, const Fraction& b) {
    const Int g1 = std::gcd(a.numerator_, b.denominator_);
    const Int g2 = std::gcd(b.numerator_, a.denominator_);
    const Int n1 = g1 ? a.numerator_ / g1 : 0, d2 = g1 ? b.denominator_ / g1 : b.denominator_;
    const Int n2 = g2 ? b.numerator_ / g2 : 0, d1 = g2 ? a.denominator_ / g2 : a.denominator_;
    return Fraction(checked_mul(n1, n2), checked_mul(d1, d2));
}

Fraction operator/(const Fraction& a, const Fraction& b) {
    if (b.numerator_ == 0) {
        throw FractionError("division by zero");
    }
    return a * Fraction(b.denominator_, b.numerator_);
}

std::strong_ordering operator<=>(const Fraction& a, const Fraction& b) {
    // Compared exactly in 128 bits: the cross products of two 64-bit fractions fit.
    const Wide left = static_cast<Wide>(a.numerator_) * b.denominator_;
    const Wide right = static_cast<Wide>(b.numerator_) * a.denominator_;
    return left <=> right;
}

Fraction power(Fraction base, int exponent) {
    Fraction result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

DecimalDigits decimal_digits(const Fraction& value) {
    DecimalDigits digits;
    digits.negative = value.is_negative();
    // Worked on the magnitude; the denominator and so every remainder fit comfortably.
    const UWide numerator =
        static_cast<UWide>(digits.negative ? -static_cast<Wide>(value.numerator())
                                           : static_cast<Wide>(value.numerator()));
    const UWide denominator = static_cast<UWide>(value.denominator());
    digits.whole = std::to_string(static_cast<unsigned long long>(numerator / denominator));
    UWide remainder = numerator % denominator;
    // Long division until the remainder is 0 or comes round again; where it first
    // appeared is where the repeating digits start.
    std::map<unsigned long long, std::size_t> seen;
    std::string after;
    while (remainder != 0) {
        const auto key = static_cast<unsigned long long>(remainder);
        if (const auto found = seen.find(key); found != seen.end()) {
            digits.fixed = after.substr(0, found->second);
            digits.repeating = after.substr(found->second);
            return digits;
        }
        seen.emplace(key, after.size());
        remainder *= 10;
        after += char('0' + int(remainder / denominator));
        remainder %= denominator;
    }
    digits.fixed = after;
    return digits;
}

namespace {

std::string decimal_of(const DecimalDigits& d) {
    std::string text = d.negative ? "-" + d.whole : d.whole;
    if (!d.fixed.empty() || !d.repeating.empty()) {
        text += '.' + d.fixed + d.repeating;
    }
    return text;
}

} // namespace

std::string fraction_text(const Fraction& value) {
    if (value.is_whole()) {
        return std::to_string(value.numerator());
    }
    return std::to_string(value.numerator()) + '/' + std::to_string(value.denominator());
}

std::string mixed_text(const Fraction& value) {
    const Int whole = value.whole_part();
    if (whole == 0 || value.is_whole()) {
        return fraction_text(value);
    }
    const Int rest = std::llabs(value.numerator() % value.denominator());
    return std::to_string(whole) + ' ' + std::to_string(rest) + '/' +
           std::to_string(value.denominator());
}

std::optional<std::string> decimal_text(const Fraction& value) {
    const DecimalDigits digits = decimal_digits(value);
    if (!digits.repeating.empty()) {
        return std::nullopt;
    }
    return decimal_of(digits);
}

std::string recurring_text(const Fraction& value) {
    const DecimalDigits digits = decimal_digits(value);
    return digits.repeating.empty() ? decimal_of(digits) : decimal_of(digits) + " recurring";
}

std::string dotted_text(const Fraction& value) {
    DecimalDigits digits = decimal_digits(value);
    if (digits.repeating.empty()) {
        return decimal_of(digits);
    }
    constexpr const char* kDot = "\u0307";
    std::string& cycle = digits.repeating;
    cycle.insert(cycle.size(), kDot);
    if (cycle.size() > 1 + std::char_traits<char>::length(kDot)) {
        cycle.insert(1, kDot);
    }
    return decimal_of(digits);
}

std::optional<std::string> percent_text(const Fraction& value) {
    const auto text = decimal_text(value * 100);
    if (!text) {
        return std::nullopt;
    }
    return *text + '%';
}

std::string rounded_text(const Fraction& value, int places) {
    Int scale = 1;
    for (int i = 0; i < places; ++i) {
        scale = checked_mul(scale, 10);
    }
    // Half away from zero on the magnitude, exactly: floor(|v| * scale + 1/2).
    const Fraction scaled = (value.is_negative() ? -value : value) * scale + Fraction(1, 2);
    const Int units = scaled.numerator() / scaled.denominator();
    std::string digits = std::to_string(units);
    if (places > 0) {
        if (int(digits.size()) <= places) {
            digits.insert(0, std::size_t(places + 1) - digits.size(), '0');
        }
        digits.insert(digits.size() - std::size_t(places), ".");
    }
    return value.is_negative() && units != 0 ? "-" + digits : digits;
}

std::optional<Fraction> parse_fraction(const std::string& text) {
    if (text.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    try {
        std::size_t used = 0;
        if (const auto space = text.find(' '); space != std::string::npos) {
            const Int whole = std::stoll(text.substr(0, space), &used);
            if (used != space) {
                return std::nullopt;
            }
            const auto rest = parse_fraction(text.substr(space + 1));
            if (!rest || rest->is_negative() || rest->is_whole()) {
                return std::nullopt;
            }
            return whole < 0 ? Fraction(whole) - *rest : Fraction(whole) + *rest;
        }
        if (const auto slash = text.find('/'); slash != std::string::npos) {
            const Int numerator = std::stoll(text.substr(0, slash), &used);
            if (used != slash) {
                return std::nullopt;
            }
            const std::string below = text.substr(slash + 1);
            const Int denominator = std::stoll(below, &used);
            if (used != below.size() || below[0] == '-' || below[0] == '+') {
                return std::nullopt;
            }
            return Fraction(numerator, denominator);
        }
        const auto point = text.find('.');
        const std::string whole_text = text.substr(0, point);
        const bool negative = !whole_text.empty() && whole_text[0] == '-';
        Fraction value =
            whole_text.empty() || whole_text == "-" ? 0 : std::stoll(whole_text, &used);
        if (!whole_text.empty() && whole_text != "-" && used != whole_text.size()) {
            return std::nullopt;
        }
        if (point != std::string::npos) {
            const std::string after = text.substr(point + 1);
            Int scale = 1, digits = 0;
            for (const char c : after) {
                if (c < '0' || c > '9') {
                    return std::nullopt;
                }
                digits = checked_add(checked_mul(digits, 10), c - '0');
                scale = checked_mul(scale, 10);
            }
            const Fraction part(digits, scale);
            value = negative ? value - part : value + part;
        }
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace chalkline
