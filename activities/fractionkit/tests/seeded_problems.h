// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstdint>
#include <initializer_list>

namespace chalkline::fractionkit::testing {

inline constexpr std::uint32_t kSeededProblems = 2000;

// Hands check(kind, problem) kSeededProblems problems of each kind, each drawn from a
// seed of its own.
template <class Kind, class Make, class Check>
void for_seeded_problems(std::initializer_list<Kind> kinds, Make make, Check check) {
    for (const Kind kind : kinds) {
        for (std::uint32_t seed = 0; seed < kSeededProblems; ++seed) {
            SeededRandom random(seed);
            check(kind, make(kind, random));
        }
    }
}

} // namespace chalkline::fractionkit::testing
