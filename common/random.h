// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace chalkline {

// The source of every random number the activities draw. Logic takes it as a
// parameter and draws from it alone, so that a problem is a function of the seed of
// the source it was given, and tests can hand in a scripted source and prove the order
// of the draws and every redraw rule.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A uniform value u with 0 <= u < 1.
    virtual float next() = 0;

    // A whole number from low to high inclusive, drawn as floor((high - low + 1) * u + low).
    // Worked in double precision and kept in range, so even the largest u below 1
    // never gives high + 1.
    int draw(int low, int high);
};

// Where fresh seeds come from: a Mersenne Twister seeded once from the system's entropy
// and the clock, so that two screens opened within one clock tick draw apart.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    float next() override;

    // Every source made from now on starts from the seed, leaving the clock out: a test
    // that walks the screens meets the same problems on every run. nullopt brings the
    // clock back.
    static void fix_start(std::optional<std::uint32_t> seed);

private:
    std::mt19937 engine_;
};

// A source with a fixed seed: the source every problem is made from (a screen seeds it
// with the problem's seed), and the source of the tests that check a rule over many
// problems. The same seed gives the same draws, in every run and on every machine.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace chalkline
