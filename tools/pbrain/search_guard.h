// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search that must end by a deadline. CPU mistr's search cannot be stopped (it reads no clock,
// so that a game is repeatable), and on a busy machine a search can take twice the time the last
// one predicted; so each search beyond the first runs in a child process, and when the deadline
// comes first the child is killed and the engine answers with the last search it finished.

#include "tools/pbrain/brain_game.h"

#include <functional>
#include <optional>
#include <vector>

namespace karvelo::pbrain {

// The fields `search` finds, or nothing when it did not finish within `ms` milliseconds (or no
// child process could be made). The search runs in a child; the caller's state is untouched.
std::optional<OwnSearch> SearchWithin(const std::function<OwnSearch()>& search, double ms);

}  // namespace karvelo::pbrain
