// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seconds counted by the game timer, and the time limit of "Střední".

#include <cstdint>

namespace zarn {

inline constexpr double kTimeLimitSeconds = 450.0;  // 7 minutes 30 seconds

// Seconds since program start as a real number, from the clock's milliseconds.
inline double SecondsFromMilliseconds(std::int64_t milliseconds) { return milliseconds * 0.001; }

// Truncated toward zero.
inline std::int32_t WholeSeconds(double seconds) { return static_cast<std::int32_t>(seconds); }

// The limit applies to the difficulty selected now, and only once a field has been laid by
// "Začít hru" (before that fieldSize is 0 and there is no game to end).
bool TimeLimitReached(std::int32_t difficulty, std::int32_t fieldSize, double now, std::int32_t startSeconds);

}  // namespace zarn
