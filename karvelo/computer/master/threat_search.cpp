// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/threat_search.h"

#include <algorithm>
#include <array>

namespace karvelo::master {

namespace {

constexpr int failedTableBits = 14;

struct FourMove {
    int cell = 0;
    int rank = 0;
};

std::uint64_t FailureKey(std::uint64_t hash, int attacker, int foursLeft) {
    return (hash ^ (std::uint64_t(attacker) << 62)) * 31 + std::uint64_t(foursLeft);
}

}  // namespace

FourChainSearch::FourChainSearch(Position& pos, NodeBudget& nodes)
    : pos_(pos), nodes_(nodes), failed_(std::size_t(1) << failedTableBits, 0) {}

bool FourChainSearch::FindWin(int attacker, int maxFours, int* firstMove) {
    return Win(attacker, maxFours, firstMove);
}

bool FourChainSearch::KnownFailure(int attacker, int foursLeft) const {
    // A failure with more fours left also rules out fewer.
    for (int left = foursLeft; left <= foursLeft + 1; ++left) {
        const std::uint64_t key = FailureKey(pos_.Hash(), attacker, left);
        if (failed_[key & (failed_.size() - 1)] == key) return true;
    }
    return false;
}

void FourChainSearch::RememberFailure(int attacker, int foursLeft) {
    const std::uint64_t key = FailureKey(pos_.Hash(), attacker, foursLeft);
    failed_[key & (failed_.size() - 1)] = key;
}

bool FourChainSearch::Win(int attacker, int foursLeft, int* firstMove) {
    if (!nodes_.Spend()) return false;
    const int defender = Other(attacker);
    CellList cells;
    pos_.NearbyEmpty(cells);

    std::array<FourMove, boardSize * boardSize> fours;
    int fourCount = 0;
    int defenderFive = noCell;
    int defenderFives = 0;
    for (int i = 0; i < cells.size; ++i) {
        const int cell = cells[i];
        const MoveShapes own = pos_.ShapesOf(cell, attacker);
        if (own.MakesFive()) {
            if (firstMove) *firstMove = cell;
            return true;
        }
        if (pos_.ShapesOf(cell, defender).MakesFive()) {
            defenderFive = cell;
            ++defenderFives;
        }
        if (own.MakesFour())
            fours[std::size_t(fourCount++)] = {cell, (own.MakesUnstoppableFour() ? 1 << 20 : 0) +
                                                         (own.openThrees > 0 ? 1 << 16 : 0) + own.weight};
    }
    if (defenderFives >= 2 || foursLeft <= 0 || fourCount == 0) return false;
    if (KnownFailure(attacker, foursLeft)) return false;
    std::stable_sort(fours.begin(), fours.begin() + fourCount,
                     [](const FourMove& a, const FourMove& b) { return a.rank > b.rank; });

    for (int i = 0; i < fourCount; ++i) {
        const int move = fours[std::size_t(i)].cell;
        // Facing the defender's four, only blocking it keeps the chain going.
        if (defenderFive != noCell && move != defenderFive) continue;
        pos_.Place(move, attacker);
        std::vector<int> completions;
        for (int d = 0; d < 4; ++d) pos_.FiveFieldsAlong(move, d, attacker, completions);
        bool won = false;
        if (completions.size() >= 2) {
            won = true;  // the defender has no five of his own left: it was blocked or never there
        } else if (completions.size() == 1) {
            pos_.Place(completions[0], defender);
            won = Win(attacker, foursLeft - 1, nullptr);
            pos_.Take(completions[0]);
        }
        pos_.Take(move);
        if (won) {
            if (firstMove) *firstMove = move;
            return true;
        }
        if (nodes_.Spent()) return false;
    }
    RememberFailure(attacker, foursLeft);
    return false;
}

}  // namespace karvelo::master
