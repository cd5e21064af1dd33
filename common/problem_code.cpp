// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_code.h"

#include <array>
#include <cctype>
#include <stdexcept>

namespace chalkline {

namespace {

constexpr int kBase = int(kCodeAlphabet.size());
static_assert(kBase == 31);

int value_of(char c) {
    const auto at = kCodeAlphabet.find(c);
    return at == std::string_view::npos ? -1 : int(at);
}

// The check character of the prefix, the kind's digit (1 to 9) and the seed's three
// characters: the sum of each value times its place (1 to 7), modulo 31.
char check_of(std::string_view prefix, int kind_digit, std::string_view seed) {
    const std::array<int, 7> values = {
        value_of(prefix[0]), value_of(prefix[1]), value_of(prefix[2]), kind_digit,
        value_of(seed[0]),   value_of(seed[1]),   value_of(seed[2])};
    int sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += int(i + 1) * values[i];
    }
    return kCodeAlphabet[std::size_t(sum % kBase)];
}

std::string seed_text(std::uint32_t seed) {
    return {kCodeAlphabet[seed / (31 * 31)], kCodeAlphabet[seed / 31 % 31],
            kCodeAlphabet[seed % 31]};
}

CodeReading fault(CodeFault kind, std::string part, int kinds = 0) {
    CodeReading reading;
    reading.fault = kind;
    reading.part = std::move(part);
    reading.kinds = kinds;
    return reading;
}

} // namespace

std::string write_code(const ProblemCode& code) {
    const bool prefix_ok = code.activity.size() == 3 && value_of(code.activity[0]) >= 0 &&
                           value_of(code.activity[1]) >= 0 && value_of(code.activity[2]) >= 0;
    if (!prefix_ok || code.kind < 0 || code.kind > 8 || code.seed >= kSeedCount) {
        throw std::invalid_argument("no code can name this problem");
    }
    const std::string seed = seed_text(code.seed);
    return code.activity + '-' + char('1' + code.kind) + '-' + seed +
           check_of(code.activity, code.kind + 1, seed);
}

CodeReading read_code(std::string_view text,
                      const std::function<std::optional<int>(std::string_view)>& kinds_of) {
    // Upper case, without the separators; the parts then stand at fixed places.
    std::string packed;
    for (const char c : text) {
        if (c == '-' || std::isspace(static_cast<unsigned char>(c))) {
            continue;
        }
        packed += char(std::toupper(static_cast<unsigned char>(c)));
    }
    std::string shown;
    for (const char c : text) {
        shown += char(std::toupper(static_cast<unsigned char>(c)));
    }
    if (packed.size() != 8) {
        return fault(CodeFault::Shape, shown);
    }
    const std::string prefix = packed.substr(0, 3);
    char kind_char = packed[3];
    const std::string last = packed.substr(4);
    if (kind_char == 'I' || kind_char == 'L') {
        kind_char = '1';
    }

    for (const std::string& part : {prefix, last}) {
        for (const char c : part) {
            if (value_of(c) < 0) {
                return fault(CodeFault::Character, part);
            }
        }
    }
    const std::optional<int> kinds = kinds_of(prefix);
    if (!kinds) {
        return fault(CodeFault::Activity, prefix);
    }
    if (kind_char < '1' || kind_char > '9' || kind_char - '1' >= *kinds) {
        return fault(CodeFault::Kind, std::string(1, packed[3]), *kinds);
    }
    const int kind_digit = kind_char - '0';
    if (check_of(prefix, kind_digit, last) != last[3]) {
        return fault(CodeFault::Check, last);
    }
    const auto seed =
        std::uint32_t(value_of(last[0]) * 31 * 31 + value_of(last[1]) * 31 + value_of(last[2]));
    CodeReading reading;
    reading.code = ProblemCode{prefix, kind_digit - 1, seed};
    return reading;
}

} // namespace chalkline
