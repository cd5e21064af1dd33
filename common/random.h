// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace chalkline {

// The source of every random number the activities draw. Logic takes it as a
// parameter, so tests can hand in a scripted source and prove the order of the
// draws and every redraw rule.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Gives the following draws a fresh start from the clock.
    virtual void reseed() = 0;

    // A uniform value u with 0 <= u < 1.
    virtual float next() = 0;

    // A whole number from low to high inclusive, drawn as floor((high - low + 1) * u + low).
    // Worked in double precision and kept in range, so even the largest u below 1
    // never gives high + 1.
    int draw(int low, int high);
};

// The program's own source: a Mersenne Twister. Reseeding mixes the clock with a
// counter and the generator's own state, so reseeding twice within one clock tick
// never makes the draws that follow repeat earlier ones.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void reseed() override;
    float next() override;

    // Every source made from now on starts from the seed and reseeds from its own state
    // alone, leaving the clock out: a test that walks the screens meets the same problems
    // on every run. nullopt brings the clock back.
    static void fix_start(std::optional<std::uint32_t> seed);

private:
    std::mt19937 engine_;
    std::uint64_t reseeds_ = 0;
};

// A source with a fixed seed, for tests that check a rule over many problems: the same
// seed gives the same draws, and reseeding changes nothing.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void reseed() override {}
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace chalkline
