// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/match/five_in_row.h"

namespace karvelo {

void MarkFive(MatchState& m, int dx, int dy, int x, int y, int p, int n) {
    for (int k = 0; k < n; ++k) m.board[x + k * dx][y + k * dy].picture = HighlightPicture(p);
    m.gameOver = 1;
}

void FindFive(MatchState& m) {
    ScanRunStarts(m, [&](int dx, int dy, int x, int y, int p) {
        TestFive(m, dx, dy, x, y, p, RunLength(m.board, dx, dy, x, y, p));
    });
}

}  // namespace karvelo
