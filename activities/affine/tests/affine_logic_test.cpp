// SPDX-License-Identifier: GPL-3.0-or-later
#include "affine_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <regex>
#include <set>
#include <string>

namespace chalkline::affine {
namespace {

bool in_list(const std::string& word) {
    return std::find(words().begin(), words().end(), word) != words().end();
}

TEST(AffineLogic, TheWordsAndMultipliersAreFitForTheCipher) {
    const std::set<std::string_view> distinct(words().begin(), words().end());
    EXPECT_GE(words().size(), 100u);
    EXPECT_EQ(distinct.size(), words().size());
    for (std::string_view word : words()) {
        EXPECT_TRUE(std::regex_match(std::string(word), std::regex("[A-Z]{5,9}"))) << word;
    }
    std::vector<int> coprime;
    for (int a = 1; a < 26; ++a) {
        if (std::gcd(a, 26) == 1) {
            coprime.push_back(a);
        }
    }
    EXPECT_TRUE(
        std::equal(coprime.begin(), coprime.end(), multipliers().begin(), multipliers().end()));
    for (int a : multipliers()) {
        EXPECT_EQ(a * inverse(a) % 26, 1) << a;
    }
    EXPECT_THROW(inverse(13), std::invalid_argument);
    // Every key decodes every word it encodes.
    for (int a : multipliers()) {
        for (int b = 0; b < 26; ++b) {
            for (std::string_view word : words()) {
                ASSERT_EQ(decipher_word(encipher_word(word, {a, b}), {a, b}), word);
            }
        }
    }
}

// Each problem as the class sees it: the key and its working, and every letter of the
// answer worked out again from the table's numbers.
TEST(AffineLogic, EveryLetterIsRightAndTheWordIsNew) {
    const std::regex key(R"(y = (\d*)x \+ (\d+) \(mod 26\))");
    const std::regex decoding(R"(x = (\d+)\(y - (\d+)\) \(mod 26\))");
    const std::regex check(R"((\d+) x (\d+) = (\d+) = (\d+) x 26 \+ 1)");
    for (const Kind kind : {Kind::Shift, Kind::Encode, Kind::Decode}) {
        SeededRandom random(std::uint32_t(int(kind) + 1) * 15485863u);
        std::optional<AffineProblem> previous;
        for (int round = 0; round < 2000; ++round) {
            const AffineProblem problem =
                make_problem(kind, random, previous ? &previous.value() : nullptr);
            const std::string given = problem.given();
            const std::string answer = problem.answer();
            const std::string plain = kind == Kind::Decode ? answer : given;
            const std::string cipher = kind == Kind::Decode ? given : answer;
            SCOPED_TRACE(plain + " " + key_text(problem.key));
            EXPECT_TRUE(in_list(plain));
            ASSERT_EQ(cipher.size(), plain.size());

            std::smatch m;
            const std::string key_shown = key_text(problem.key);
            ASSERT_TRUE(std::regex_match(key_shown, m, key));
            const int a = m[1].length() ? std::stoi(m[1]) : 1;
            const int b = std::stoi(m[2]);
            EXPECT_NE(m[1], "1");
            EXPECT_EQ(std::gcd(a, 26), 1);
            EXPECT_EQ(a == 1, kind == Kind::Shift);
            EXPECT_TRUE(b >= 1 && b <= 25);
            for (std::size_t i = 0; i < plain.size(); ++i) {
                EXPECT_EQ(cipher[i] - 'A', (a * (plain[i] - 'A') + b) % 26) << i;
            }
            if (kind == Kind::Decode) {
                const std::string inverse_shown = inverse_text(a);
                ASSERT_TRUE(std::regex_match(inverse_shown, m, check)) << inverse_shown;
                const int a_inverse = std::stoi(m[2]);
                EXPECT_EQ(std::stoi(m[1]), a);
                EXPECT_EQ(a * a_inverse, std::stoi(m[3]));
                EXPECT_EQ(std::stoi(m[4]) * 26 + 1, std::stoi(m[3]));
                const std::string decoding_shown = decoding_key_text(problem.key);
                ASSERT_TRUE(std::regex_match(decoding_shown, m, decoding)) << decoding_shown;
                EXPECT_EQ(std::stoi(m[1]), a_inverse);
                EXPECT_EQ(std::stoi(m[2]), b);
            }
            if (previous) {
                EXPECT_NE(problem.plain(), previous->plain());
            }
            previous = problem;
        }
    }
    SeededRandom random(1);
    EXPECT_THROW(make_problem(Kind(3), random), std::invalid_argument);
}

} // namespace
} // namespace chalkline::affine
