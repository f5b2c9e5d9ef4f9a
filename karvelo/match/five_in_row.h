#pragma once
// Finding a run of five or more of one contestant's symbols.

#include "karvelo/match/match_state.h"

namespace karvelo {

class MatchHost;

struct Direction {
    int dx, dy;
};
// Always taken in this order.
constexpr Direction directions[4] = {{1, 1}, {1, 0}, {0, 1}, {1, -1}};

enum class RunMode { winOnly };

// Examines the run of contestant p that starts at (x, y) in direction (dx, dy). A run of five or
// more is highlighted, shown at once, and sets gameOver. Returns the run's length, 0 when (x, y)
// is not the first field of a run of p.
int CheckRun(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, RunMode mode);

// Scans the whole board; only the first run found in scan order is highlighted.
void FindFive(MatchState& m, MatchHost& host);

}  // namespace karvelo
