// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zobrist keys of the padded board: fixed numbers generated at compile time, so that a position's
// hash is the same in every run and on every machine.

#include "karvelo/computer/master/position.h"

#include <array>
#include <cstdint>

namespace karvelo::master {

constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr std::array<std::array<std::uint64_t, 2>, cellCount> MakeZobristKeys() {
    std::array<std::array<std::uint64_t, 2>, cellCount> keys{};
    std::uint64_t state = 0x4B617276656C6F21ull;
    for (auto& cell : keys)
        for (auto& k : cell) k = SplitMix64(state);
    return keys;
}

inline constexpr std::array<std::array<std::uint64_t, 2>, cellCount> zobristKeys = MakeZobristKeys();

}  // namespace karvelo::master
