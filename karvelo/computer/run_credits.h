// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run credits (the novice's method): every run of up to four credits the empty fields at its ends.

#include "karvelo/match/board.h"
#include "karvelo/match/five_in_row.h"
#include "karvelo/match/match_state.h"

namespace karvelo {

// Credits the ends of the run of contestant p that starts at (x, y), n long (at most four): both
// ends open earn n squared plus a bonus for threes and fours, one end blocked by the other
// contestant leaves the open end (n - 1) squared plus the four's bonus; a run against the border
// earns nothing. The bonuses are higher for the contestant on move.
// Inline: it runs for every run of every evaluation.
inline void CreditRunEnds(Board& board, int dx, int dy, int x, int y, int p, int n, int playerOnMove) {
    const bool own = p == playerOnMove;
    const int other = 3 - p;
    Field& before = board[x - dx][y - dy];
    Field& after = board[x + n * dx][y + n * dy];
    std::int32_t bonus = 0;
    if (n > 3) bonus = own ? 80 : 60;
    if (after.state == fsEmpty && before.state == fsEmpty) {
        if (n == 3) bonus = own ? 40 : 20;
        after.value += n * n + bonus;
        before.value += n * n + bonus;
    } else if (after.state == other && before.state == fsEmpty) {
        before.value += (n - 1) * (n - 1) + bonus;
    } else if (after.state == fsEmpty && before.state == other) {
        after.value += (n - 1) * (n - 1) + bonus;
    }
}

// winOnly stops after the five test; evaluating goes on to credit the fields at the run's ends.
enum class RunMode { winOnly, evaluating };

// Examines the run of contestant p that starts at (x, y) in direction (dx, dy): the five test,
// then in the evaluating mode (while no five is found) the run credits. Returns the run's length,
// 0 when (x, y) is not the first field of a run of p. Inline, as the evaluation asks 3,200 times
// per position.
inline int CheckRun(MatchState& m, int dx, int dy, int x, int y, int p, RunMode mode) {
    const int n = RunLength(m.board, dx, dy, x, y, p);
    if (n == 0) return 0;
    TestFive(m, dx, dy, x, y, p, n);
    if (m.gameOver == 0 && mode == RunMode::evaluating)
        CreditRunEnds(m.board, dx, dy, x, y, p, n, m.playerOnMove);
    return n;
}

// Every run start through CheckRun in the evaluating mode; stops at a completed five.
void EvaluateByRunCredits(MatchState& m);

}  // namespace karvelo
