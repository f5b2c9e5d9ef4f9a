// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pbrain/brain_game.h"

namespace karvelo::pbrain {

namespace {

// The engine is contestant 1 and always the one on move when it chooses; the levels value a
// position the same whichever number the two contestants carry.
constexpr int ownContestant = 1;
constexpr int opponentContestant = 2;

}  // namespace

BrainGame::BrainGame(int level, RandomSource& random) : level_(level), random_(random) {
    match_.contestantType1 = level;
    match_.contestantType2 = level;
    Clear();
}

void BrainGame::Clear() {
    ResetBoard(match_);
    match_.playerOnMove = ownContestant;
    match_.gameOver = 0;
}

bool BrainGame::IsEmpty(int x, int y) const { return match_.board[x + 1][y + 1].state == fsEmpty; }

void BrainGame::Place(int x, int y, Stone stone) {
    match_.board[x + 1][y + 1].state = stone == Stone::own ? ownContestant : opponentContestant;
}

void BrainGame::Remove(int x, int y) { match_.board[x + 1][y + 1].state = fsEmpty; }

FieldChoice BrainGame::PlayOwnMove() {
    match_.playerOnMove = ownContestant;
    match_.gameOver = 0;  // a five found by an earlier valuation would stop this one
    const FieldChoice choice = ChooseComputerMove(match_, random_);
    if (!choice.found) return choice;
    match_.board[choice.x][choice.y].state = ownContestant;
    return {true, choice.x - 1, choice.y - 1};
}

OwnSearch BrainGame::SearchOwnMove(std::int64_t nodeBudget) const {
    OwnSearch s;
    s.fields = SearchMasterMove(match_.board, ownContestant, nodeBudget, &s.effort);
    return s;
}

FieldChoice BrainGame::PlayOneOf(const std::vector<BoardPoint>& best) {
    if (best.empty()) return {};
    const BoardPoint p = best[std::size_t(random_.Next()) % best.size()];
    match_.board[p.x][p.y].state = ownContestant;
    return {true, p.x - 1, p.y - 1};
}

int BrainGame::EmptyFields() const {
    int empty = 0;
    for (int x = 0; x < boardSize; ++x)
        for (int y = 0; y < boardSize; ++y) empty += IsEmpty(x, y);
    return empty;
}

}  // namespace karvelo::pbrain
