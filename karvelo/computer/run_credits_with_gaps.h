#pragma once
// Run credits with gaps (the advanced method): run credits, and a single empty field between a run
// and more of the same contestant's symbols is valued as the line it would close.

#include "karvelo/match/match_state.h"

namespace karvelo {

class MatchHost;

// CheckRun in the evaluating mode with the gap credit: when the field after the run is empty and k
// more of p's symbols follow it (one fewer when the other contestant closes them), the gap gets
// RunWeight(n + k). Returns the run's length, 0 when (x, y) does not start a run of p.
int CheckRunWithGap(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p);

// Every run start through CheckRunWithGap; stops at a completed five.
void EvaluateByRunCreditsWithGaps(MatchState& m, MatchHost& host);

}  // namespace karvelo
