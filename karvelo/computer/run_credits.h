#pragma once
// Run credits (the novice's method): every run of up to four credits the empty fields at its ends.

#include "karvelo/match/board.h"
#include "karvelo/match/match_state.h"

namespace karvelo {

class MatchHost;

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

// Every run start through CheckRun in the evaluating mode; stops at a completed five.
void EvaluateByRunCredits(MatchState& m, MatchHost& host);

}  // namespace karvelo
