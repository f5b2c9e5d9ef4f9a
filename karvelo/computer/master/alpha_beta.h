// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Principal-variation alpha-beta with iterative deepening over the most promising fields of every
// position, a transposition table, and killer and history move order. Forced replies (blocking a
// four, answering an open three) are searched without narrowing, and the search stops where the
// node budget runs out, keeping the last fully searched depth.

#include "karvelo/computer/master/node_budget.h"
#include "karvelo/computer/master/position.h"
#include "karvelo/computer/master/transposition_table.h"

#include <array>
#include <vector>

namespace karvelo::master {

constexpr int winScore = 1000000;
constexpr int maxPly = 48;

class AlphaBetaSearch {
public:
    AlphaBetaSearch(Position& pos, NodeBudget& nodes);

    // The fields of `rootMoves` (ordered best first) that score best for `me` at the deepest
    // depth searched in full, in field order. Never empty when rootMoves is not.
    std::vector<int> BestMoves(int me, const std::vector<int>& rootMoves, int maxDepth);

private:
    // Without initialisers: a node's list is filled before it is read, and clearing room for
    // every field of the board in every node would cost more than many a node's own work.
    struct ScoredMove {
        int cell;
        int order;
    };

    Position& pos_;
    NodeBudget& nodes_;
    TranspositionTable table_;
    std::array<std::array<int, 2>, maxPly + 1> killers_{};
    std::array<std::array<int, cellCount>, 2> history_{};
    bool aborted_ = false;

    int Search(int mover, int depth, int alpha, int beta, int ply);
    int Evaluate(const Prospects& own, const Prospects& theirs) const;
    void RememberCutoff(int mover, int cell, int depth, int ply);
};

}  // namespace karvelo::master
