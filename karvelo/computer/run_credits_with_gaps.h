// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run credits with gaps (the advanced method): run credits, and a single empty field between a run
// and more of the same contestant's symbols is valued as the line it would close.

#include "karvelo/computer/run_credits.h"
#include "karvelo/computer/run_weight.h"
#include "karvelo/match/five_in_row.h"
#include "karvelo/match/match_state.h"

namespace karvelo {

// CheckRun in the evaluating mode with the gap credit: when the field after the run is empty and k
// more of p's symbols follow it (one fewer when the other contestant closes them), the gap gets
// RunWeight(n + k). Returns the run's length, 0 when (x, y) does not start a run of p. Inline, as
// it runs 3,200 times per evaluation.
inline int CheckRunWithGap(MatchState& m, int dx, int dy, int x, int y, int p) {
    Board& board = m.board;
    const int n = RunLength(board, dx, dy, x, y, p);
    if (n == 0) return 0;
    Field& gap = board[x + n * dx][y + n * dy];
    if (gap.state == fsEmpty) {
        // An empty field is playable, so the fields beyond it stop at the border at the latest.
        int k = 0;
        while (board[x + (n + 1 + k) * dx][y + (n + 1 + k) * dy].state == p) ++k;
        if (board[x + (n + 1 + k) * dx][y + (n + 1 + k) * dy].state == 3 - p) --k;
        if (k > 0) gap.value += RunWeight(n + k);
    }
    TestFive(m, dx, dy, x, y, p, n);
    if (m.gameOver == 1) return n;
    CreditRunEnds(board, dx, dy, x, y, p, n, m.playerOnMove);
    return n;
}

// Every run start through CheckRunWithGap; stops at a completed five.
void EvaluateByRunCreditsWithGaps(MatchState& m);

}  // namespace karvelo
