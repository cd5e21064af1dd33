// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

namespace chalkline::testing {

// A random source stuck on one value: every draw gives the same result, so a generator
// that must not repeat its last problem has to find another way than drawing again.
class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(float u) : u_(u) {}
    void reseed() override {}
    float next() override { return u_; }

private:
    float u_;
};

} // namespace chalkline::testing
