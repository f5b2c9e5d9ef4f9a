// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one source of pseudo-random numbers. Tests inject their own draws.

#include <cstdint>
#include <random>

namespace zarn {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual long NextNonNegative() = 0;  // 0 .. 2^31 - 1
};

// Seeded once from the clock, so every run lays different fields.
class ClockSeededSource final : public RandomSource {
public:
    ClockSeededSource();
    long NextNonNegative() override;

private:
    std::mt19937 generator_;
};

// 0 .. n - 1 from one draw; n = 0 gives 0 without drawing.
std::int32_t RandomBelow(RandomSource& random, std::int32_t n);

}  // namespace zarn
