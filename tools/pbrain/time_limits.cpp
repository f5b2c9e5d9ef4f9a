// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pbrain/time_limits.h"

#include <algorithm>
#include <climits>

namespace karvelo::pbrain {

namespace {

// Managers send INT_MAX as the time left of a match without a limit.
constexpr std::int64_t unlimited = INT_MAX;

// The answer has to cross a pipe and the manager's process has to run: on a loaded machine that
// takes some milliseconds, and some more the longer the move, as other programs get their turns.
double Margin(double limitMs) { return std::min(250.0, 20.0 + limitMs / 20.0); }

// The moves still to come of a game, for sharing the match's time: the stones that fill the
// board to a typical end, within bounds that keep the last moves from starving.
double MovesToGo(int emptyFields) { return std::clamp(emptyFields / 10.0, 8.0, 30.0); }

}  // namespace

std::optional<double> ThinkingTimeMs(const TimeLimits& limits, int emptyFields) {
    std::optional<double> limit;
    if (limits.turnMs && *limits.turnMs > 0) limit = double(*limits.turnMs);
    const bool matchLimited = !limits.matchMs || *limits.matchMs > 0;
    if (matchLimited && limits.timeLeftMs && *limits.timeLeftMs < unlimited) {
        const double left = double(std::max<std::int64_t>(0, *limits.timeLeftMs));
        // This move's share of the match, and never more than is left of it.
        const double share = std::min(left / MovesToGo(emptyFields), left);
        limit = limit ? std::min(*limit, share) : share;
    }
    if (!limit) return std::nullopt;
    return std::max(0.0, *limit - Margin(*limit));
}

}  // namespace karvelo::pbrain
