// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one source of pseudo-random numbers. Tests inject their own draws.

#include <cstdint>
#include <random>

namespace zarn {

class RandomEngine {
public:
    virtual ~RandomEngine() = default;
    virtual long NextNonNegative() = 0;  // 0 .. 2^31 - 1
};

// Seeded once from the clock, so every run lays different fields.
class ClockSeededEngine final : public RandomEngine {
public:
    ClockSeededEngine();
    long NextNonNegative() override;

private:
    std::mt19937 generator_;
};

// 0 .. n - 1 from one draw; n = 0 gives 0 without drawing.
std::int32_t RandomBelow(RandomEngine& engine, std::int32_t n);

}  // namespace zarn
