// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/computer_move.h"

#include "karvelo/computer/field_evaluation.h"
#include "karvelo/computer/master_search.h"

namespace karvelo {

FieldChoice ChooseComputerMove(MatchState& m, RandomSource& random) {
    if (m.TypeOnMove() != CpuMaster) {
        EvaluateFields(m);
        return ChooseComputerField(m, random);
    }
    // The search replaces the valuation; the draw still chooses among equally good fields.
    const std::vector<BoardPoint> best = SearchMasterMove(m.board, m.playerOnMove);
    if (best.empty()) return {};
    const BoardPoint p = best[std::size_t(random.Next()) % best.size()];
    return {true, p.x, p.y};
}

FieldChoice ChooseComputerField(MatchState& m, RandomSource& random) {
    std::int32_t best = 0;
    int count = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const std::int32_t v = m.board[x][y].value;
            if (v >= best) {
                if (v > best) count = 0;
                ++count;
                best = v;
            }
        }

    constexpr int centre = boardSize / 2;
    if (best == 0) {
        if (m.board[centre][centre].state == fsEmpty) {
            m.board[centre][centre].value = 1;
            best = 1;
            count = 1;
        } else {
            // Every remaining empty field is worth nothing: take any of them rather than the
            // occupied centre.
            count = 0;
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y)
                    if (m.board[x][y].state == fsEmpty) ++count;
            if (count == 0) return {};
            int pick = random.Next() % count;
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y)
                    if (m.board[x][y].state == fsEmpty && pick-- == 0) return {true, x, y};
        }
    }

    int pick = random.Next() % count;
    FieldChoice choice;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (m.board[x][y].value == best) {
                if (pick == 0 && !choice.found) choice = {true, x, y};
                --pick;
            }
    return choice;
}

}  // namespace karvelo
