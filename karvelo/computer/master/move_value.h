// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How promising a move is before any search: what it makes for the mover, and what it takes from
// the other side. Orders the search's moves and is what the value marks show.

#include "karvelo/computer/master/position.h"

namespace karvelo::master {

// The threat a move makes: wins and double threats rank above any sum of plain shapes.
inline int ThreatValue(const MoveShapes& s) {
    if (s.fives > 0) return 1 << 22;
    if (s.MakesUnstoppableFour()) return 1 << 19;
    if (s.fours > 0 && s.openThrees > 0) return 1 << 17;
    if (s.openThrees >= 2) return 1 << 15;
    return s.weight;
}

// Attack counts a little more than defence of the same rank: making one's own open four beats
// blocking the other's, and a win in one beats blocking his.
inline int MoveValue(const MoveShapes& own, const MoveShapes& other) {
    return ThreatValue(own) + ThreatValue(own) / 4 + ThreatValue(other);
}

inline int MoveValue(const Position& pos, int cell, int mover) {
    return MoveValue(pos.ShapesOf(cell, mover), pos.ShapesOf(cell, Other(mover)));
}

}  // namespace karvelo::master
