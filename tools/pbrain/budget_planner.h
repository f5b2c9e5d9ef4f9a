// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPU mistr's search stops at a node budget and never looks at a clock, so that the game plays
// the same on every machine. Under a time limit the engine searches the position again and again
// with growing budgets, each predicted from the speed measured so far to end in the time left,
// and plays the last search's move. The first budget is the game's, so no move is weaker than in
// the game unless the limit is shorter than its search.

#include <cstdint>

namespace karvelo::pbrain {

class BudgetPlanner {
public:
    // thinkingMs: the time for this move (ThinkingTimeMs); nodesPerMs: the speed measured on the
    // previous move, 0 before the first.
    BudgetPlanner(double thinkingMs, double nodesPerMs);

    std::int64_t First() const { return first_; }

    // After a search of `budget` nodes that took `searchMs`, with `elapsedMs` gone since the move
    // was asked for: the next, larger budget, or 0 to answer now.
    std::int64_t Next(std::int64_t budget, double searchMs, double elapsedMs);

    // The speed of this move's largest timed search (else the last move's), for the next move.
    double NodesPerMs() const { return nodesPerMs_ > 0 ? nodesPerMs_ : previousNodesPerMs_; }

private:
    double thinkingMs_;
    double nodesPerMs_;  // 0: no search timed on this move yet
    double previousNodesPerMs_;
    std::int64_t first_;
};

}  // namespace karvelo::pbrain
