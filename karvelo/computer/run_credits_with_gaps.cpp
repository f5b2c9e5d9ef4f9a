#include "karvelo/computer/run_credits_with_gaps.h"

#include "karvelo/computer/run_credits.h"
#include "karvelo/computer/run_weight.h"
#include "karvelo/match/five_in_row.h"

namespace karvelo {

namespace {

// Kept inline in the scan below: it runs 3,200 times per evaluation.
[[gnu::always_inline]] inline int ExamineWithGap(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p) {
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
    TestFive(m, host, dx, dy, x, y, p, n);
    if (m.gameOver == 1) return n;
    CreditRunEnds(board, dx, dy, x, y, p, n, m.playerOnMove);
    return n;
}

}  // namespace

int CheckRunWithGap(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p) {
    return ExamineWithGap(m, host, dx, dy, x, y, p);
}

void EvaluateByRunCreditsWithGaps(MatchState& m, MatchHost& host) {
    ScanRunStarts(m, [&](int dx, int dy, int x, int y, int p) { ExamineWithGap(m, host, dx, dy, x, y, p); });
}

}  // namespace karvelo
