// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "karvelo/match/random_source.h"

#include <deque>

namespace karvelo::test {

// Hands out the scripted numbers, then zeros.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<std::int32_t> draws;
    int drawn = 0;
    std::int32_t Next() override {
        ++drawn;
        if (draws.empty()) return 0;
        const std::int32_t r = draws.front();
        draws.pop_front();
        return r;
    }
};

}  // namespace karvelo::test
