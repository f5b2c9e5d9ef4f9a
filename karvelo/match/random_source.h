// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one pseudo-random generator, injectable so tests can fix the draws.

#include <cstdint>
#include <random>

namespace karvelo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::int32_t Next() = 0;  // a fresh non-negative number
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    std::int32_t Next() override { return static_cast<std::int32_t>(engine_() >> 1); }

private:
    std::mt19937 engine_;
};

}  // namespace karvelo
