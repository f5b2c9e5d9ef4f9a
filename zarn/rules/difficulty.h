// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three difficulties and the field each one lays out.

#include <cstdint>

namespace zarn {

inline constexpr std::int32_t kLehka = 1;
inline constexpr std::int32_t kStredni = 2;
inline constexpr std::int32_t kTezka = 3;

struct DifficultyLevel {
    std::int32_t fieldSize;   // the field's side less one
    std::int32_t mineTarget;  // mines to lay
};

// Lehká 10 x 10 with 12 mines, Střední 15 x 15 with 36, Těžká 20 x 20 with 84.
DifficultyLevel DifficultyTable(std::int32_t difficulty);

}  // namespace zarn
