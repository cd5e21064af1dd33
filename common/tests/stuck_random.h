// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace chalkline::testing {

// A source stuck on one value (the lowest unless told): every draw gives the same, so a
// generator that must not repeat its last problem has to find another way than drawing
// again. It throws after most_draws draws, so that a generator that would draw for ever
// fails its test instead of hanging it.
class StuckRandom final : public RandomSource {
public:
    explicit StuckRandom(float u = 0, std::size_t most_draws = 1'000'000)
        : u_(u), most_draws_(most_draws) {}

    float next() override {
        if (draws_ >= most_draws_) {
            throw std::logic_error("stuck random source drawn more than " +
                                   std::to_string(most_draws_) + " times");
        }
        ++draws_;
        return u_;
    }

private:
    float u_;
    std::size_t most_draws_;
    std::size_t draws_ = 0;
};

} // namespace chalkline::testing
