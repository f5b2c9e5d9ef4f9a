// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The position a gomoku engine holds between protocol commands, and the move a Karvelo level
// chooses on it. Protocol coordinates are 0-based (0..19); the board keeps its border ring.

#include "karvelo/computer/computer_move.h"
#include "karvelo/computer/master_search.h"
#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"

#include <cstdint>
#include <vector>

namespace karvelo::pbrain {

constexpr int minLevel = CpuNovice;
constexpr int maxLevel = CpuMaster;

// Whose stone lies on a field, as the protocol's BOARD lines name them.
enum class Stone { own, opponent };

// The fields one search of CPU mistr found equally good, and what it spent (see MasterSearchEffort).
struct OwnSearch {
    std::vector<BoardPoint> fields;
    MasterSearchEffort effort;
};

class BrainGame {
public:
    // level 1..4 (the PlayerType of the computer level); random is the program's one generator.
    BrainGame(int level, RandomSource& random);

    void Clear();
    static bool OnBoard(int x, int y) { return x >= 0 && x < boardSize && y >= 0 && y < boardSize; }
    bool IsEmpty(int x, int y) const;       // x, y on the board
    void Place(int x, int y, Stone stone);  // x, y on the board and empty
    void Remove(int x, int y);              // x, y on the board

    // The level's field for the engine's own next stone, placed on the board. Draws once from the
    // generator, as the game's computer does (ChooseComputerMove). Not found only on a full board.
    FieldChoice PlayOwnMove();

    // Under a time limit CPU mistr's move is made in two steps: the fields its search finds equally
    // good at `nodeBudget` (board coordinates 1..20, the board unchanged), searched as often as the
    // time allows, and then one of the last search's fields, drawn once and placed, as
    // ChooseComputerMove draws. Level 4 only.
    OwnSearch SearchOwnMove(std::int64_t nodeBudget) const;
    FieldChoice PlayOneOf(const std::vector<BoardPoint>& best);

    int EmptyFields() const;

    int level() const { return level_; }

private:
    MatchState match_;
    int level_;
    RandomSource& random_;
};

}  // namespace karvelo::pbrain
