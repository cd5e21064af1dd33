// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace chalkline {

// A problem's code names it completely: the activity, the kind and the seed it was drawn
// from, as in "24P-2-K7QM". The activity is a prefix of three characters, the kind its
// number as the screen counts its options (1 for the first), and the last part the seed in
// three characters followed by one check character.
//
// Every character but the kind's digit comes from an alphabet of 31 that leaves out the
// ones read or typed for one another (0 and O; 1, I and L), so that a code reads aloud and
// types without confusion. The check character is a weighted sum of the others modulo 31:
// since 31 is prime and the weights 1 to 7 are distinct, any one mistyped character and
// any two neighbours swapped give a code that does not check, rather than another problem.
inline constexpr std::string_view kCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

// The seeds a code can write: [0, kSeedCount).
inline constexpr std::uint32_t kSeedCount = 31 * 31 * 31;

struct ProblemCode {
    std::string activity; // the prefix, "24P"
    int kind = 0;         // 0 for the first kind
    std::uint32_t seed = 0;
    bool operator==(const ProblemCode&) const = default;
};

// The code's text, "24P-2-K7QM". The prefix must be three characters of the alphabet,
// the kind 0 to 8 and the seed below kSeedCount.
std::string write_code(const ProblemCode& code);

// What is wrong with a text read as a code; the part concerned is given with it.
enum class CodeFault {
    Shape,     // not three parts of 3, 1 and 4 characters
    Character, // a character no code has (0, O, 1, I, L, a sign...) outside the kind
    Activity,  // a prefix that names no activity
    Kind,      // a kind the activity does not have
    Check,     // the check character does not match: mistyped, or not a code
};

struct CodeReading {
    std::optional<ProblemCode> code;
    CodeFault fault = CodeFault::Shape;
    std::string part; // the part that is wrong, as typed (upper case)
    int kinds = 0;    // for a Kind fault: how many kinds the activity has
};

// Reads a code as a teacher types it: any case, the parts apart by "-", spaces or nothing
// ("24p 2 k7qm", "24P2K7QM"). In the kind's place I and L are read as 1. `kinds_of` says
// how many kinds the activity of a prefix has (1 where it has no choice of kind), or
// nothing when no activity has that prefix.
CodeReading read_code(std::string_view text,
                      const std::function<std::optional<int>(std::string_view)>& kinds_of);

} // namespace chalkline
