// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/match/score_exchange.h"

namespace karvelo {

namespace {
std::int32_t Share(std::int32_t loserScore, std::int32_t moveCount, std::int32_t winnerScore,
                   bool loserBegan) {
    // Wraps like the 32-bit original would rather than being undefined for absurd inputs.
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(loserScore) *
                                                   static_cast<std::uint32_t>(moveCount));
    const std::int32_t divisor = winnerScore + 1;
    std::int32_t share = divisor == 0 ? 0 : product / divisor;
    if (loserBegan) share += share / 3;
    return share;
}
}  // namespace

ScoreChange ExchangeScores(std::int32_t winnerScore, std::int32_t loserScore, std::int32_t moveCount,
                           bool loserBegan) {
    ScoreChange c{winnerScore, loserScore};
    c.winnerScore += Share(loserScore, moveCount, winnerScore, loserBegan);
    c.loserScore -= Share(loserScore, moveCount, c.winnerScore, loserBegan);
    return c;
}

}  // namespace karvelo
