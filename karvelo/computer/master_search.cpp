// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master_search.h"

#include "karvelo/computer/master/move_value.h"
#include "karvelo/computer/master/position.h"
#include "karvelo/computer/master/root_search.h"

#include <algorithm>
#include <cmath>

namespace karvelo {

using namespace master;

std::vector<BoardPoint> SearchMasterMove(const Board& board, int me, std::int64_t nodeBudget,
                                         MasterSearchEffort* effort) {
    return SearchMove(board, me, nodeBudget, effort);
}

void ScoreFieldsForMaster(Board& board, int me) {
    const Position pos(board);
    int best = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (pos.IsEmpty(CellOf(x, y))) best = std::max(best, MoveValue(pos, CellOf(x, y), me));
    // Relative to the best field, on a square-root scale: the best fields show "+++" (60), one
    // worth a quarter of them "++", one worth a hundredth a small digit.
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int cell = CellOf(x, y);
            const int v = pos.IsEmpty(cell) && best > 0 ? MoveValue(pos, cell, me) : 0;
            board[x][y].value = v > 0 ? std::max(1, int(std::lround(60.0 * std::sqrt(double(v) / best)))) : 0;
        }
}

}  // namespace karvelo
