// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/run_credits_with_gaps.h"

namespace karvelo {

void EvaluateByRunCreditsWithGaps(MatchState& m) {
    ScanRunStarts(m, [&](int dx, int dy, int x, int y, int p) { CheckRunWithGap(m, dx, dy, x, y, p); });
}

}  // namespace karvelo
