// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Board positions for the evaluation and move-choice tests.

#include "karvelo/computer/field_evaluation.h"
#include "karvelo/match/match_state.h"

#include <initializer_list>
#include <random>
#include <utility>

namespace karvelo::test {

using Fields = std::initializer_list<std::pair<int, int>>;

// An empty board; contestant 1 human, contestant 2 of the given type and on move.
inline MatchState ComputerOnMove(std::int32_t type2) {
    MatchState m;
    m.contestantType1 = Human;
    m.contestantType2 = type2;
    m.playerOnMove = 2;
    m.matchRunning = 1;
    ResetBoard(m);
    return m;
}

inline void Put(MatchState& m, int p, Fields fields) {
    for (auto [x, y] : fields) {
        m.board[x][y].state = p;
        m.board[x][y].picture = p == 1 ? 1 : 4;
    }
}

inline std::int32_t ValueAt(const MatchState& m, int x, int y) { return m.board[x][y].value; }

// Evaluates a copy with the given contestant-2 type on move.
inline MatchState Evaluated(MatchState m) {
    EvaluateFields(m);
    return m;
}

// A position of `stones` stones placed at random, alternately contestant 1 and 2.
inline void ScatterStones(MatchState& m, std::mt19937& gen, int stones) {
    std::uniform_int_distribution<int> coordinate(1, boardSize);
    for (int placed = 0; placed < stones;) {
        Field& f = m.board[coordinate(gen)][coordinate(gen)];
        if (f.state != fsEmpty) continue;
        f.state = placed % 2 + 1;
        f.picture = f.state == 1 ? 1 : 4;
        ++placed;
    }
}

// Whether contestant p has a run of five or more anywhere on the board.
inline bool HasFive(const Board& b, int p) {
    constexpr int dx[] = {1, 1, 0, 1}, dy[] = {1, 0, 1, -1};
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            for (int d = 0; d < 4; ++d) {
                int n = 0;
                while (b[x + n * dx[d]][y + n * dy[d]].state == p) ++n;
                if (n >= 5) return true;
            }
    return false;
}

}  // namespace karvelo::test
