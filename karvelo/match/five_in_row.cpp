#include "karvelo/match/five_in_row.h"

#include "karvelo/match/match_host.h"

namespace karvelo {

int CheckRun(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, RunMode mode) {
    // Only the first field of a run is examined, so each run is seen once per direction.
    if (m.board[x][y].state != p || m.board[x - dx][y - dy].state == p) return 0;
    int n = 1;
    while (m.board[x + n * dx][y + n * dy].state == p) ++n;
    if (n > 4) {
        for (int k = 0; k < n; ++k) m.board[x + k * dx][y + k * dy].picture = HighlightPicture(p);
        host.RepaintMatchScreen();
        m.gameOver = 1;
    }
    (void)mode;  // winOnly is the whole test; the field evaluation goes on from here
    return n;
}

void FindFive(MatchState& m, MatchHost& host) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            for (int p = 1; p <= 2; ++p)
                for (const Direction& d : directions)
                    if (m.gameOver == 0) CheckRun(m, host, d.dx, d.dy, x, y, p, RunMode::winOnly);
}

}  // namespace karvelo
