#include "karvelo/computer/master_search.h"

namespace karvelo {

// Placeholder until the search lands: the centre, else the first empty field.
std::vector<BoardPoint> SearchMasterMove(const Board& board, int, std::int64_t) {
    constexpr int centre = boardSize / 2;
    if (board[centre][centre].state == fsEmpty) return {{centre, centre}};
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (board[x][y].state == fsEmpty) return {{x, y}};
    return {};
}

void ScoreFieldsForMaster(Board& board, int) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) board[x][y].value = 0;
}

}  // namespace karvelo
