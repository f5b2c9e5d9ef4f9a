#include "karvelo/match/five_in_row.h"

#include "karvelo/match/match_host.h"

namespace karvelo {

void MarkFive(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, int n) {
    for (int k = 0; k < n; ++k) m.board[x + k * dx][y + k * dy].picture = HighlightPicture(p);
    host.RepaintMatchScreen();
    m.gameOver = 1;
}

void FindFive(MatchState& m, MatchHost& host) {
    ScanRunStarts(m, [&](int dx, int dy, int x, int y, int p) { CheckRun(m, host, dx, dy, x, y, p, RunMode::winOnly); });
}

}  // namespace karvelo
