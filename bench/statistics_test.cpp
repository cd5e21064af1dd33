// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include <gtest/gtest.h>

namespace {

TEST(Statistics, SpreadOfSamplesInAnyOrder) {
    // Quartiles fall between samples: linear between the two nearest.
    const bench::Spread s = bench::spread({7, 1, 3, 5, 9, 2});
    EXPECT_DOUBLE_EQ(s.median, 4);
    EXPECT_DOUBLE_EQ(s.q1, 2.25);
    EXPECT_DOUBLE_EQ(s.q3, 6.5);
    EXPECT_EQ(s.count, 6u);
    const bench::Spread one = bench::spread({3});
    EXPECT_DOUBLE_EQ(one.q1, 3);
    EXPECT_DOUBLE_EQ(one.q3, 3);
    EXPECT_EQ(bench::spread({}).count, 0u);
}

TEST(Statistics, RatiosArePairedInOrderAndSkipMissingPartners) {
    // Paired, not median over median: the median ratio here is 0.1, the ratio of the
    // medians would be 1. The fourth pair has nothing to divide by, the fifth no partner.
    const std::vector<double> ratios = bench::paired_ratios({1, 10, 100, 8}, {10, 100, 1, 0, 5});
    ASSERT_EQ(ratios.size(), 3u);
    EXPECT_DOUBLE_EQ(bench::spread(ratios).median, 0.1);
}

} // namespace
