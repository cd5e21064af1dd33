// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem_code.h"

#include <gtest/gtest.h>

#include <string>

namespace chalkline {
namespace {

std::optional<int> three_kinds(std::string_view prefix) {
    if (prefix == "24P" || prefix == "MTT") {
        return 3;
    }
    return std::nullopt;
}

CodeReading read(std::string_view text) {
    return read_code(text, three_kinds);
}

TEST(ProblemCode, EverySeedAndKindComesBackAsTyped) {
    for (int kind = 0; kind < 3; ++kind) {
        for (std::uint32_t seed = 0; seed < kSeedCount; seed += 7) {
            const ProblemCode code{"24P", kind, seed};
            const std::string text = write_code(code);
            ASSERT_EQ(text.size(), 10u);
            ASSERT_EQ(read(text).code, code) << text;
        }
    }
    // Lower case, spaces, no separators, and I or L for the kind's 1 read the same.
    const std::string text = write_code({"24P", 0, 12345});
    std::string typed = text;
    for (char& c : typed) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
    }
    typed[4] = 'l';
    std::string spaced = text;
    spaced[3] = ' ';
    spaced[5] = ' ';
    for (const std::string& variant :
         {typed, spaced, text.substr(0, 3) + text.substr(4, 1) + text.substr(6)}) {
        EXPECT_EQ(read(variant).code, (ProblemCode{"24P", 0, 12345})) << variant;
    }
}

// A code with one character changed, or two neighbours swapped, never reads as a problem.
TEST(ProblemCode, OneMistypedCharacterOrSwapIsRefused) {
    const std::string alphabet = std::string(kCodeAlphabet) + "0123456789OIL";
    for (std::uint32_t seed = 0; seed < kSeedCount; seed += 997) {
        const std::string text = write_code({"MTT", int(seed % 3), seed});
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] == '-') {
                continue;
            }
            for (const char c : alphabet) {
                std::string typo = text;
                typo[at] = c;
                if (typo != text && !(at == 4 && (c == 'I' || c == 'L') && text[4] == '1')) {
                    EXPECT_FALSE(read(typo).code) << text << " read as " << typo;
                }
            }
            const std::size_t next = text[at + 1] == '-' ? at + 2 : at + 1;
            if (next < text.size() && text[at] != text[next]) {
                std::string swapped = text;
                std::swap(swapped[at], swapped[next]);
                EXPECT_FALSE(read(swapped).code) << text << " read as " << swapped;
            }
        }
    }
}

TEST(ProblemCode, SaysWhichPartIsWrong) {
    const std::string good = write_code({"24P", 1, 500});
    struct Case {
        std::string text;
        CodeFault fault;
        std::string part;
    };
    const Case cases[] = {
        {"24P-2", CodeFault::Shape, "24P-2"},
        {"XYZ" + good.substr(3), CodeFault::Activity, "XYZ"},
        {"24P-4" + good.substr(5), CodeFault::Kind, "4"},
        {good.substr(0, 6) + "0" + good.substr(7), CodeFault::Character, "0" + good.substr(7)},
        {good.substr(0, 9) + (good[9] == 'Z' ? "Y" : "Z"), CodeFault::Check, ""},
    };
    for (const Case& c : cases) {
        const CodeReading reading = read(c.text);
        EXPECT_FALSE(reading.code) << c.text;
        EXPECT_EQ(reading.fault, c.fault) << c.text;
        if (!c.part.empty()) {
            EXPECT_EQ(reading.part, c.part) << c.text;
        }
    }
    EXPECT_EQ(read("24P-4" + good.substr(5)).kinds, 3);
}

} // namespace
} // namespace chalkline
