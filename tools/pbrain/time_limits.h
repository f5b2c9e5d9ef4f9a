// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits a tournament manager sets with INFO, and the time they leave CPU mistr for one move.
// Without any limit of time the engine plays the game's own node budget, move for move as the
// game would.

#include <cstdint>
#include <optional>

namespace karvelo::pbrain {

struct TimeLimits {
    std::optional<std::int64_t> turnMs;      // timeout_turn; 0: as fast as possible
    std::optional<std::int64_t> matchMs;     // timeout_match; 0: no limit
    std::optional<std::int64_t> timeLeftMs;  // time_left of the match
    std::optional<std::int64_t> maxMemory;   // max_memory in bytes; 0: no limit
};

// The time the engine may think about its next move with `emptyFields` fields left, the margin
// for writing the answer already taken off; nothing when no limit of time applies (or a turn
// limit of 0 asks for speed), and the game's budget is played.
std::optional<double> ThinkingTimeMs(const TimeLimits& limits, int emptyFields);

}  // namespace karvelo::pbrain
