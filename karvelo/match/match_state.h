// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the one match that can run at a time.

#include "karvelo/match/board.h"
#include "karvelo/roster/player_type.h"

namespace karvelo {

struct MatchState {
    Board board{};
    int playerOnMove = 0;  // 1 or 2; 0 until the first match
    int contestantIndex1 = 0;
    int contestantIndex2 = 1;
    std::int32_t contestantType1 = Human;
    std::int32_t contestantType2 = Human;
    int matchRunning = 0;
    int gameOver = 0;
    int moveCount = 0;  // the number of the move now awaited
    int firstMover = 0;
    int showFieldValues = 0;
    int cellWidth = 0;  // measured once at start-up from the empty-field picture
    int cellHeight = 0;

    std::int32_t TypeOnMove() const { return playerOnMove == 1 ? contestantType1 : contestantType2; }
};

// The guard of the menu commands: a match may be left only within its first five moves.
inline bool MustFinishMatch(const MatchState& m) { return m.matchRunning != 0 && m.moveCount >= 6; }

void ResetBoard(MatchState& m);
void ResetFieldValues(MatchState& m);
bool BoardFull(const MatchState& m);

}  // namespace karvelo
