// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The points a decided match moves from the loser to the winner.

#include <cstdint>

namespace karvelo {

struct ScoreChange {
    std::int32_t winnerScore;
    std::int32_t loserScore;
};

// 32-bit arithmetic, each product formed before its truncating division; the loss is computed
// with the winner's score as already increased.
ScoreChange ExchangeScores(std::int32_t winnerScore, std::int32_t loserScore, std::int32_t moveCount,
                           bool loserBegan);

}  // namespace karvelo
