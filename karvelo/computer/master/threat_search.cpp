// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/threat_search.h"

#include <algorithm>
#include <array>

namespace karvelo::master {

namespace {

constexpr int failedTableBits = 14;

// Without initialisers, as the search's scored moves: filled before read, never cleared.
struct FourMove {
    int cell;
    int rank;
};

std::uint64_t FailureKey(std::uint64_t hash, int attacker, int foursLeft) {
    return (hash ^ (std::uint64_t(attacker) << 62)) * 31 + std::uint64_t(foursLeft);
}

}  // namespace

FourChainSearch::FourChainSearch(Position& pos, NodeBudget& nodes)
    : pos_(pos), nodes_(nodes), failed_(std::size_t(1) << failedTableBits, 0) {}

bool FourChainSearch::FindWin(int attacker, int maxFours, int* firstMove) {
    line_.clear();
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
            line_.push_back(move);
            if (completions.size() == 1) line_.push_back(completions[0]);
            if (firstMove) *firstMove = move;
            return true;
        }
        if (nodes_.Spent()) return false;
    }
    RememberFailure(attacker, foursLeft);
    return false;
}

ThreatSpaceSearch::ThreatSpaceSearch(Position& pos, NodeBudget& nodes)
    : pos_(pos), nodes_(nodes), failed_(std::size_t(1) << failedTableBits, 0) {}

bool ThreatSpaceSearch::FindWin(int attacker, int maxThreats, int* firstMove) {
    line_.clear();
    return Win(attacker, maxThreats, firstMove);
}

int ThreatSpaceSearch::FiveField(int contestant) const {
    CellList cells;
    pos_.NearbyEmpty(cells);
    for (int i = 0; i < cells.size; ++i)
        if (pos_.ShapesOf(cells[i], contestant).MakesFive()) return cells[i];
    return noCell;
}

bool ThreatSpaceSearch::Win(int attacker, int threatsLeft, int* firstMove) {
    if (!nodes_.Spend()) return false;
    const int defender = Other(attacker);
    const Prospects own = pos_.ProspectsOf(attacker);
    const Prospects theirs = pos_.ProspectsOf(defender);
    if (own.fives > 0 || (theirs.fives == 0 && own.unstoppable > 0)) {
        if (firstMove) {
            CellList cells;
            pos_.NearbyEmpty(cells);
            int best = noCell, bestRank = -1;
            for (int i = 0; i < cells.size; ++i) {
                const MoveShapes m = pos_.ShapesOf(cells[i], attacker);
                const int rank = m.MakesFive() ? 2 : m.MakesUnstoppableFour() ? 1 : 0;
                if (rank > bestRank) best = cells[i], bestRank = rank;
            }
            *firstMove = best;
        }
        return true;
    }
    if (theirs.fives >= 2 || threatsLeft <= 0) return false;
    const std::uint64_t key = FailureKey(pos_.Hash(), attacker, threatsLeft);
    if (failed_[key & (failed_.size() - 1)] == key) return false;

    std::array<FourMove, boardSize * boardSize> threats;
    int count = 0;
    if (theirs.fives == 1) {
        // The defender's four must be blocked: that block is the attacker's only move.
        threats[std::size_t(count++)] = {FiveField(defender), 0};
    } else {
        CellList cells;
        pos_.NearbyEmpty(cells);
        for (int i = 0; i < cells.size; ++i) {
            const MoveShapes m = pos_.ShapesOf(cells[i], attacker);
            if (!m.MakesFour() && m.openThrees == 0) continue;
            const int rank = (m.fours > 0 && m.openThrees > 0 ? 1 << 22 : 0) +
                             (m.openThrees >= 2 ? 1 << 21 : 0) + (m.MakesFour() ? 1 << 20 : 0) + m.weight;
            threats[std::size_t(count++)] = {cells[i], rank};
        }
        std::stable_sort(threats.begin(), threats.begin() + count,
                         [](const FourMove& a, const FourMove& b) { return a.rank > b.rank; });
    }
    for (int i = 0; i < count; ++i) {
        const int move = threats[std::size_t(i)].cell;
        pos_.Place(move, attacker);
        const bool won = Defended(attacker, threatsLeft - 1);
        pos_.Take(move);
        if (won) {
            line_.push_back(move);
            if (firstMove) *firstMove = move;
            return true;
        }
        if (nodes_.Spent()) return false;
    }
    failed_[key & (failed_.size() - 1)] = key;
    return false;
}

// The attacker has moved: whether every reply of the defender still loses.
bool ThreatSpaceSearch::Defended(int attacker, int threatsLeft) {
    const int defender = Other(attacker);
    const Prospects own = pos_.ProspectsOf(attacker);
    if (own.fives >= 2) return true;
    if (pos_.ProspectsOf(defender).fives > 0) return false;  // the defender wins first
    CellList replies;
    if (own.fives == 1) {
        replies.Push(FiveField(attacker));
    } else if (own.unstoppable > 0) {
        // The defender's own fours gain time; otherwise a field holds only if it lies on the lines
        // of every field where the attacker would make an open four or two fours (the shapes
        // of a field depend on four fields each way along a line, so another field leaves them).
        CellList cells;
        pos_.NearbyEmpty(cells);
        std::array<std::uint8_t, cellCount> onLines{};
        int threatFields = 0;
        for (int i = 0; i < cells.size; ++i) {
            const int cell = cells[i];
            if (!pos_.ShapesOf(cell, attacker).MakesUnstoppableFour()) continue;
            ++threatFields;
            ++onLines[std::size_t(cell)];
            for (int d = 0; d < 4; ++d) {
                if (pos_.Shape(cell, d, attacker) < LineShape::Four) continue;
                for (int offset = -4; offset <= 4; ++offset)
                    if (offset != 0) ++onLines[std::size_t(cell + offset * directionStep[d])];
            }
        }
        for (int i = 0; i < cells.size; ++i) {
            const int cell = cells[i];
            if (pos_.ShapesOf(cell, defender).MakesFour() || onLines[std::size_t(cell)] == threatFields)
                replies.Push(cell);
        }
    } else {
        return false;  // no threat: the defender is free
    }
    for (int i = 0; i < replies.size; ++i) {
        pos_.Place(replies[i], defender);
        const bool won = Win(attacker, threatsLeft, nullptr);
        pos_.Take(replies[i]);
        if (!won) return false;
    }
    for (int i = 0; i < replies.size; ++i) line_.push_back(replies[i]);
    return true;
}

}  // namespace karvelo::master
