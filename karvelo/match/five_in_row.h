// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a run of five or more of one contestant's symbols.

#include "karvelo/match/match_state.h"

namespace karvelo {

struct Direction {
    int dx, dy;
};
// Always taken in this order.
constexpr Direction directions[4] = {{1, 1}, {1, 0}, {0, 1}, {1, -1}};

// The length of the run of contestant p that starts at (x, y) in direction (dx, dy); 0 when
// (x, y) is not the first field of such a run, so each run is seen once per direction. The border
// ring ends every run.
inline int RunLength(const Board& board, int dx, int dy, int x, int y, int p) {
    if (board[x][y].state != p || board[x - dx][y - dy].state == p) return 0;
    int n = 1;
    while (board[x + n * dx][y + n * dy].state == p) ++n;
    return n;
}

// Highlights a run of five or more and sets gameOver. Showing it is the match engine's part.
void MarkFive(MatchState& m, int dx, int dy, int x, int y, int p, int n);

// The five test on a counted run.
inline void TestFive(MatchState& m, int dx, int dy, int x, int y, int p, int n) {
    if (n > 4) MarkFive(m, dx, dy, x, y, p, n);
}

// Examines every run start in the scan order of the five test (columns, then rows within them,
// contestant 1 before 2, the directions in order) and stops examining once a five is found.
template <class Examine> void ScanRunStarts(MatchState& m, Examine&& examine) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            for (int p = 1; p <= 2; ++p) {
                // A field that is not p's starts no run of p: its four examinations are skipped.
                if (m.board[x][y].state != p) continue;
                for (const Direction& d : directions)
                    if (m.gameOver == 0) examine(d.dx, d.dy, x, y, p);
            }
}

// Scans the whole board; only the first run found in scan order is highlighted.
void FindFive(MatchState& m);

}  // namespace karvelo
