#include "karvelo/computer/run_credits.h"

#include "karvelo/match/five_in_row.h"

namespace karvelo {

void EvaluateByRunCredits(MatchState& m, MatchHost& host) {
    ScanRunStarts(m, [&](int dx, int dy, int x, int y, int p) { CheckRun(m, host, dx, dy, x, y, p, RunMode::evaluating); });
}

}  // namespace karvelo
