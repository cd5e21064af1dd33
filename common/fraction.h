// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace chalkline {

// Raised when an exact result would not fit in 64 bits, or on division by zero: a value
// shown to the class is never rounded or wrapped.
class FractionError : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

// An exact rational number over 64-bit integers, always in lowest terms with a positive
// denominator (so two equal values have equal parts, and 0 is 0/1). Every operation
// checks for overflow and throws FractionError rather than give a wrong value.
class Fraction {
public:
    constexpr Fraction() = default;
    Fraction(std::int64_t whole); // NOLINT: a whole number is a fraction
    Fraction(std::int64_t numerator, std::int64_t denominator);

    std::int64_t numerator() const { return numerator_; }
    std::int64_t denominator() const { return denominator_; }
    bool is_whole() const { return denominator_ == 1; }
    bool is_negative() const { return numerator_ < 0; }
    // The whole number part, towards zero (7/4 gives 1, -7/4 gives -1).
    std::int64_t whole_part() const { return numerator_ / denominator_; }

    Fraction operator-() const;
    friend Fraction operator+(const Fraction& a, const Fraction& b);
    friend Fraction operator-(const Fraction& a, const Fraction& b);
    friend Fraction operator*(const Fraction& a, const Fraction& b);
    friend Fraction operator/(const Fraction& a, const Fraction& b);
    Fraction& operator+=(const Fraction& b) { return *this = *this + b; }
    Fraction& operator-=(const Fraction& b) { return *this = *this - b; }
    Fraction& operator*=(const Fraction& b) { return *this = *this * b; }
    Fraction& operator/=(const Fraction& b) { return *this = *this / b; }

    friend bool operator==(const Fraction&, const Fraction&) = default;
    friend std::strong_ordering operator<=>(const Fraction& a, const Fraction& b);

private:
    std::int64_t numerator_ = 0;
    std::int64_t denominator_ = 1;
};

// The value to a whole power (0 or more).
Fraction power(Fraction base, int exponent);

// The decimal digits of a value: its sign, the whole part, the digits after the point
// that do not repeat and those that repeat for ever (empty for a terminating decimal).
// 1/6 is "0", "1" and "6"; 3/4 is "0", "75" and "".
struct DecimalDigits {
    bool negative = false;
    std::string whole;
    std::string fixed;
    std::string repeating;
};
DecimalDigits decimal_digits(const Fraction& value);

// The text forms of a value, written one way everywhere, with "-" for minus:
// "3/4", "-3/4", "5" (whole numbers plainly).
std::string fraction_text(const Fraction& value);
// "1 3/4", "-1 3/4", "3/4", "2": an improper fraction as a mixed number.
std::string mixed_text(const Fraction& value);
// "0.75", "-2.5", "3": the exact decimal, or nothing when the decimal does not end.
std::optional<std::string> decimal_text(const Fraction& value);
// "0.3 recurring", "0.16 recurring" (the 6 recurs), "0.142857 recurring"; an ending
// decimal as decimal_text writes it.
std::string recurring_text(const Fraction& value);
// The decimal as the class writes it on the board: a dot over the first and the last
// repeating digit, each dot a combining dot above (U+0307) after its digit: "0.3̇",
// "0.16̇", "3.1̇42857̇". An ending decimal as decimal_text writes it.
std::string dotted_text(const Fraction& value);
// The value as a percentage, "75%" or "12.5%", when its decimal ends; nothing otherwise.
std::optional<std::string> percent_text(const Fraction& value);
// A decimal with exactly `places` digits after the point, rounded half away from zero
// ("8.6" for 8.60555... at one place); "-0" is never written.
std::string rounded_text(const Fraction& value, int places);
// Reads "3/4", "-3/4", "1 3/4", "0.75", "12" exactly; nothing for anything else.
std::optional<Fraction> parse_fraction(const std::string& text);

} // namespace chalkline
