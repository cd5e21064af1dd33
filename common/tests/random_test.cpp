// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace chalkline {
namespace {

using chalkline::testing::ScriptedRandom;

TEST(RandomDraw, StaysWithinItsBoundsEvenForTheLargestUBelowOne) {
    const float largest = std::nextafter(1.0f, 0.0f);
    const struct {
        int low, high;
    } ranges[] = {{1, 10}, {-20, 20}, {0, 0}, {1, 3900}, {-1000000, 1000000}, {5, 16777216}};
    for (const auto& r : ranges) {
        ScriptedRandom random{0.0f, largest, 0.5f};
        EXPECT_EQ(random.draw(r.low, r.high), r.low);
        EXPECT_EQ(random.draw(r.low, r.high), r.high);
        const int middle = random.draw(r.low, r.high);
        EXPECT_GE(middle, r.low);
        EXPECT_LE(middle, r.high);
    }
}

TEST(RandomDraw, ScriptedValuesGiveTheIntendedNumbers) {
    ScriptedRandom random;
    random.then(7, 1, 10).then(-3, -20, 20).then(1, 1, 1);
    EXPECT_EQ(random.draw(1, 10), 7);
    EXPECT_EQ(random.draw(-20, 20), -3);
    EXPECT_EQ(random.draw(1, 1), 1);
    EXPECT_THROW(random.draw(1, 10), std::logic_error);
}

TEST(ClockRandom, GivesUniformValuesBelowOne) {
    ClockRandom random;
    std::vector<int> counts(10);
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const float u = random.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        ++counts[int(u * 10)];
    }
    for (int count : counts) {
        // Expected 10000 each; 600 is over six standard deviations.
        EXPECT_NEAR(count, draws / 10, 600);
    }
}

// Sources made within one clock tick (two screens opened at once) still draw apart.
TEST(ClockRandom, SourcesMadeInATightLoopDrawApart) {
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        seen.insert(ClockRandom().next());
    }
    EXPECT_GT(seen.size(), 990u);
}

// The same seed gives the same draws: what makes a problem come back from its seed.
TEST(SeededRandom, OneSeedGivesOneSequence) {
    for (std::uint32_t seed : {0u, 1u, 29790u}) {
        SeededRandom first(seed);
        SeededRandom again(seed);
        for (int i = 0; i < 100; ++i) {
            ASSERT_EQ(first.draw(1, 1000), again.draw(1, 1000));
        }
    }
}

} // namespace
} // namespace chalkline
