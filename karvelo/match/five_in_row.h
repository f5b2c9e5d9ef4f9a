#pragma once
// Finding a run of five or more of one contestant's symbols.

#include "karvelo/computer/run_credits.h"
#include "karvelo/match/match_state.h"

namespace karvelo {

class MatchHost;

struct Direction {
    int dx, dy;
};
// Always taken in this order.
constexpr Direction directions[4] = {{1, 1}, {1, 0}, {0, 1}, {1, -1}};

// winOnly stops after the five test; evaluating goes on to credit the fields at the run's ends.
enum class RunMode { winOnly, evaluating };

// The length of the run of contestant p that starts at (x, y) in direction (dx, dy); 0 when
// (x, y) is not the first field of such a run, so each run is seen once per direction. The border
// ring ends every run.
inline int RunLength(const Board& board, int dx, int dy, int x, int y, int p) {
    if (board[x][y].state != p || board[x - dx][y - dy].state == p) return 0;
    int n = 1;
    while (board[x + n * dx][y + n * dy].state == p) ++n;
    return n;
}

// Highlights a run of five or more, shows it at once and sets gameOver.
void MarkFive(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, int n);

// The five test on a counted run.
inline void TestFive(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, int n) {
    if (n > 4) MarkFive(m, host, dx, dy, x, y, p, n);
}

// Examines the run of contestant p that starts at (x, y) in direction (dx, dy): the five test,
// then in the evaluating mode (while no five is found) the run credits. Returns the run's length,
// 0 when (x, y) is not the first field of a run of p. Inline, as the evaluation asks 3,200 times
// per position.
inline int CheckRun(MatchState& m, MatchHost& host, int dx, int dy, int x, int y, int p, RunMode mode) {
    const int n = RunLength(m.board, dx, dy, x, y, p);
    if (n == 0) return 0;
    TestFive(m, host, dx, dy, x, y, p, n);
    if (m.gameOver == 0 && mode == RunMode::evaluating) CreditRunEnds(m.board, dx, dy, x, y, p, n, m.playerOnMove);
    return n;
}

// Examines every run start in the scan order of the five test (columns, then rows within them,
// contestant 1 before 2, the directions in order) and stops examining once a five is found.
template <class Examine>
void ScanRunStarts(MatchState& m, Examine&& examine) {
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
void FindFive(MatchState& m, MatchHost& host);

}  // namespace karvelo
