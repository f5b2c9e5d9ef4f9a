// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/match/match_state.h"

namespace karvelo {

void ResetBoard(MatchState& m) {
    m.moveCount = 0;
    m.gameOver = 0;
    for (int x = 0; x < boardSpan; ++x)
        for (int y = 0; y < boardSpan; ++y) {
            Field& f = m.board[x][y];
            f.state = fsBorder;
            f.picture = 0;
            if (x >= 1 && x <= boardSize && y >= 1 && y <= boardSize) {
                f.state = fsEmpty;
                f.value = 0;
            }
        }
    if (m.playerOnMove == 1 || m.playerOnMove == 2) m.firstMover = m.playerOnMove;
    ResetFieldValues(m);
}

void ResetFieldValues(MatchState& m) {
    for (int x = 0; x < boardSpan; ++x)
        for (int y = 0; y < boardSpan; ++y) {
            Field& f = m.board[x][y];
            f.value = 0;
            if (x < 1 || y < 1 || x > boardSize || y > boardSize) {
                f.state = fsBorder;
                f.value = borderValue;
            }
        }
}

bool BoardFull(const MatchState& m) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (m.board[x][y].state == fsEmpty) return false;
    return true;
}

}  // namespace karvelo
