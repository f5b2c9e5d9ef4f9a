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

}  // namespace karvelo::test
