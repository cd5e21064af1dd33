// SPDX-License-Identifier: GPL-3.0-or-later
#include "pascal2_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace chalkline::pascal2 {
namespace {

// The first 64 rows exactly, row by row: the largest number, C(63, 31), is below 2^63.
std::vector<std::vector<std::uint64_t>> exact_rows() {
    std::vector<std::vector<std::uint64_t>> rows{{1}};
    while (rows.size() < 64) {
        const auto& above = rows.back();
        std::vector<std::uint64_t> row(above.size() + 1, 1);
        for (std::size_t k = 1; k < above.size(); ++k) {
            row[k] = above[k - 1] + above[k];
        }
        rows.push_back(row);
    }
    return rows;
}

// Over many questions of every kind: the divisor is from 2 to 9 and never the one
// before, exactly the multiples among the exact numbers are marked, the count is theirs,
// and the numbers are written out on 16 rows only.
TEST(Pascal2Logic, ExactlyTheMultiplesAreMarked) {
    const auto exact = exact_rows();
    for (const Kind kind : {Kind::Rows16, Kind::Rows32, Kind::Rows64}) {
        SeededRandom random{std::uint32_t(int(kind) + 1)};
        int previous = 0;
        for (int round = 0; round < 2000; ++round) {
            const Question question = make_problem(kind, random, previous);
            ASSERT_EQ(question.rows, rows_of(kind));
            ASSERT_GE(question.divisor, 2);
            ASSERT_LE(question.divisor, 9);
            ASSERT_NE(question.divisor, previous);
            ASSERT_EQ(question.multiple.size(),
                      std::size_t(question.rows * (question.rows + 1) / 2));
            std::size_t cell = 0;
            for (int n = 0; n < question.rows; ++n) {
                for (std::uint64_t number : exact[std::size_t(n)]) {
                    ASSERT_EQ(question.multiple[cell++],
                              number % std::uint64_t(question.divisor) == 0);
                }
            }
            ASSERT_EQ(question.multiples,
                      std::count(question.multiple.begin(), question.multiple.end(), true));
            previous = question.divisor;
        }
        const auto texts = number_texts(rows_of(kind));
        EXPECT_EQ(texts.back(), kind == Kind::Rows16 ? "1" : "");
        EXPECT_EQ(texts[texts.size() - 9], kind == Kind::Rows16 ? "6435" : "");
    }
}

// Known counts: 58 of the 136 numbers in rows 0 to 15 are multiples of 3, and the odd
// numbers in rows 0 to 63 are 3^6.
TEST(Pascal2Logic, KnownCounts) {
    const auto count = [](int divisor, int rows) {
        const auto multiple = multiples_of(divisor, rows);
        return std::count(multiple.begin(), multiple.end(), true);
    };
    EXPECT_EQ(count(3, 16), 58);
    EXPECT_EQ(count(2, 64), 2080 - 729);
}

} // namespace
} // namespace chalkline::pascal2
