// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace chalkline {

// A setting as lesson files and the settings file write it, key=value: one of a few words
// ("reverse=yes") or a number in a range ("pace=2.5"). An activity declares the settings
// of its own in its record, so that lessons, the remembered settings and
// --list-activities read one table; the kind and a lesson step's count are settings of
// the same form that every activity has.
struct ActivitySetting {
    std::string_view key{};
    // The value a freshly opened screen has.
    std::string_view design{};
    // The words it takes, lower case; none for a number.
    std::array<std::string_view, 4> words{};
    // A number's range, and how many decimals it may be written with.
    int low = 0;
    int high = 0;
    int decimals = 0;

    bool is_number() const { return words[0].empty(); }
};

// The value as the setting writes it ("2.5" for "2.50", "yes" for "Yes"), or nothing when
// the setting does not take it. Numbers are plain decimals with a point: no sign, no
// exponent, no grouping.
std::optional<std::string> accepted(const ActivitySetting& setting, std::string_view value);

// Whether two keys are the same setting: keys are read without regard to letter case.
bool same_key(std::string_view a, std::string_view b);

} // namespace chalkline
