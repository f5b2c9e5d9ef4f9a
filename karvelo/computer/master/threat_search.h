// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search for a forced win by continuous fours: the attacker makes a four with every move, so
// the defender's reply is always the one field that stops five, until the attacker makes a four
// that cannot be stopped (an open four or two fours at once) or five.

#include "karvelo/computer/master/node_budget.h"
#include "karvelo/computer/master/position.h"

#include <cstdint>
#include <vector>

namespace karvelo::master {

class FourChainSearch {
public:
    FourChainSearch(Position& pos, NodeBudget& nodes);

    // Whether `attacker`, on move, wins by at most `maxFours` fours of its own; *firstMove gets
    // the field to start with. A search cut short by the budget finds nothing.
    bool FindWin(int attacker, int maxFours, int* firstMove);
    // The fields of the last win found: the attacker's fours and the blocks they forced.
    const std::vector<int>& Line() const { return line_; }

private:
    Position& pos_;
    NodeBudget& nodes_;
    // Positions with the attacker on move already shown not to win with this many fours left.
    std::vector<std::uint64_t> failed_;
    std::vector<int> line_;

    bool Win(int attacker, int foursLeft, int* firstMove);
    bool KnownFailure(int attacker, int foursLeft) const;
    void RememberFailure(int attacker, int foursLeft);
};

// The search for a forced win by threats: the attacker makes a four or an open three with every
// move. A four leaves the defender one reply; an open three every field that would give the
// attacker a four (which includes all that stop the open four) and every four of the defender's
// own. A win found holds against every defence; one cut short by the budget is not found.
class ThreatSpaceSearch {
public:
    ThreatSpaceSearch(Position& pos, NodeBudget& nodes);

    // Whether `attacker`, on move, wins by at most `maxThreats` threats; *firstMove gets the
    // field to start with.
    bool FindWin(int attacker, int maxThreats, int* firstMove);
    // The fields of the last win found: the attacker's threats in every line of play, and the
    // defender's replies that failed against them.
    const std::vector<int>& Line() const { return line_; }

private:
    Position& pos_;
    NodeBudget& nodes_;
    std::vector<std::uint64_t> failed_;  // as in FourChainSearch
    std::vector<int> line_;

    bool Win(int attacker, int threatsLeft, int* firstMove);
    bool Defended(int attacker, int threatsLeft);
    int FiveField(int contestant) const;
};

}  // namespace karvelo::master
