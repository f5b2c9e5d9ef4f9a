// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPU mistr: a computer level that looks ahead. Like the other levels' valuations it is a function
// of the board alone; the match engine does the placing and the calling back.

#include "karvelo/match/board.h"

#include <cstdint>
#include <vector>

namespace karvelo {

struct BoardPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const BoardPoint&, const BoardPoint&) = default;
};

// The amount of search for one move, counted in nodes rather than time, so that one seed plays the
// same match on any machine; at 1.3 to 2 million nodes a second a move takes 6 to 10 ms of one core.
constexpr std::int64_t masterNodeBudget = 12000;

// What one search spent: its nodes, and whether it ran into its budget. One that did not ended on
// its own (a forced move, a win or loss seen, its deepest depth searched) and would find the same
// fields with any larger budget.
struct MasterSearchEffort {
    std::int64_t nodes = 0;
    bool cutShort = false;
};

// The fields the search found equally good for contestant `me` (1 or 2) on `board` (only the
// states are read), in the order x = 1..20, y = 1..20 inner. Empty only on a full board.
std::vector<BoardPoint> SearchMasterMove(const Board& board, int me,
                                         std::int64_t nodeBudget = masterNodeBudget,
                                         MasterSearchEffort* effort = nullptr);

// What the value marks show in a match with CPU mistr: every empty field's score as a move for
// contestant `me`, 0 or more; 0 on occupied fields. Writes `value` of the playable fields only.
void ScoreFieldsForMaster(Board& board, int me);

}  // namespace karvelo
