// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/random_source.h"

#include <chrono>

namespace zarn {

ClockSeededSource::ClockSeededSource()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

long ClockSeededSource::NextNonNegative() { return static_cast<long>(generator_() >> 1); }

std::int32_t RandomBelow(RandomSource& random, std::int32_t n) {
    if (n == 0) return 0;
    return static_cast<std::int32_t>(random.NextNonNegative() % n);
}

}  // namespace zarn
