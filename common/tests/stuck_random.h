// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

namespace chalkline::testing {

// A source whose every draw is the lowest, so that a generator draws the same problem
// every time: the way to reach its fallback for a problem that must not repeat.
class StuckRandom final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0; }
};

} // namespace chalkline::testing
