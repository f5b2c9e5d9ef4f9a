// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/run_credits.h"

namespace karvelo {

void EvaluateByRunCredits(MatchState& m) {
    ScanRunStarts(
        m, [&](int dx, int dy, int x, int y, int p) { CheckRun(m, dx, dy, x, y, p, RunMode::evaluating); });
}

}  // namespace karvelo
