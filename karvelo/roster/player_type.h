// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of player: a human, or a computer of one of four levels. Stored in data.dat as the
// digit, read by the match (who plays by clicks) and by the computer players (which method).

#include <cstdint>

namespace karvelo {

enum PlayerType : std::int32_t { Human = 0, CpuNovice = 1, CpuBeginner = 2, CpuAdvanced = 3, CpuMaster = 4 };

}  // namespace karvelo
