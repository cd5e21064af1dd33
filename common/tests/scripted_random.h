// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace chalkline::testing {

// A random source that returns the u values it is given, in order, and throws when
// a test asks for more draws than it scripted, so a wrong order or a missing
// redraw shows up at once.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}

    float next() override {
        if (used_ >= values_.size()) {
            throw std::logic_error("scripted random source ran out after " + std::to_string(used_) +
                                   " draws");
        }
        return values_[used_++];
    }

    // Appends the u that makes draw(low, high) give value.
    ScriptedRandom& then(int value, int low, int high) {
        values_.push_back(u_for(value, low, high));
        return *this;
    }
    ScriptedRandom& then_u(float u) {
        values_.push_back(u);
        return *this;
    }

    // The u in the middle of value's share of [0, 1).
    static float u_for(int value, int low, int high) {
        return float((double(value) - low + 0.5) / (double(high) - low + 1.0));
    }

    std::size_t used() const { return used_; }
    std::size_t remaining() const { return values_.size() - used_; }

private:
    std::vector<float> values_;
    std::size_t used_ = 0;
};

} // namespace chalkline::testing
