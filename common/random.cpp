// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace chalkline {

int RandomSource::draw(int low, int high) {
    const double u = next();
    const double value = std::floor((double(high) - double(low) + 1.0) * u + double(low));
    return int(std::clamp(value, double(low), double(high)));
}

namespace {

std::optional<std::uint32_t>& fixed_start() {
    static std::optional<std::uint32_t> seed;
    return seed;
}

} // namespace

ClockRandom::ClockRandom() : engine_(fixed_start() ? *fixed_start() : std::random_device{}()) {
    reseed();
}

void ClockRandom::fix_start(std::optional<std::uint32_t> seed) {
    fixed_start() = seed;
}

void ClockRandom::reseed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto ticks = fixed_start() ? std::uint64_t{0} : static_cast<std::uint64_t>(now);
    ++reseeds_;
    std::seed_seq seq{std::uint32_t(ticks), std::uint32_t(ticks >> 32), std::uint32_t(reseeds_),
                      std::uint32_t(engine_()), std::uint32_t(engine_())};
    engine_.seed(seq);
}

float ClockRandom::next() {
    // 24 random bits make every float in [0, 1) with that spacing equally likely.
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

float SeededRandom::next() {
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

} // namespace chalkline
