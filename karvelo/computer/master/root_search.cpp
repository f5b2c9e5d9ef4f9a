// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/root_search.h"

#include "karvelo/computer/master/alpha_beta.h"
#include "karvelo/computer/master/move_value.h"
#include "karvelo/computer/master/node_budget.h"
#include "karvelo/computer/master/position.h"
#include "karvelo/computer/master/threat_search.h"

#include <algorithm>

namespace karvelo::master {

namespace {

constexpr int maxChainFours = 12;   // with the five that ends it, 25 plies
constexpr int maxSearchDepth = 20;  // the budget ends the deepening long before
constexpr int defenceCandidates = 20;
constexpr int maxThreats = 8;

std::vector<BoardPoint> PointsOf(std::vector<int> cells) {
    std::sort(cells.begin(), cells.end());  // cell order is x-major
    std::vector<BoardPoint> points;
    for (int c : cells) points.push_back({XOf(c), YOf(c)});
    return points;
}

// The nearby fields, most promising first.
std::vector<int> OrderedMoves(const Position& pos, const CellList& cells, int me) {
    std::vector<std::pair<int, int>> scored;
    for (int i = 0; i < cells.size; ++i) scored.push_back({MoveValue(pos, cells[i], me), cells[i]});
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> moves;
    for (const auto& s : scored) moves.push_back(s.second);
    return moves;
}

enum class Check { lost, held, unknown };

// Whether `me` playing `cell` leaves the other side without the win `wins` looks for. A four of
// its own is answered first, by force: the four holds if, with the block on the board, the other
// still has no win. A check cut short by the node budget found no win but proves nothing.
template <class Wins> Check Holds(Position& pos, NodeBudget& nodes, int cell, int me, Wins wins) {
    const int other = Other(me);
    pos.Place(cell, me);
    std::vector<int> five;
    for (int d = 0; d < 4; ++d) pos.FiveFieldsAlong(cell, d, me, five);
    if (five.size() == 1) pos.Place(five[0], other);
    const bool holds = five.size() >= 2 || !wins();
    if (five.size() == 1) pos.Take(five[0]);
    pos.Take(cell);
    return !holds ? Check::lost : nodes.Spent() ? Check::unknown : Check::held;
}

// The fields of `candidates` that hold against `wins`, within `slice` nodes. Every field is tried
// with an equal share, then those cut short again with what is left, so a refutation that takes
// some search is still found; a field never checked to the end is kept, never dropped unexamined.
// All of them if none holds: then the search picks the longest resistance.
template <class Wins>
std::vector<int> Defences(Position& pos, NodeBudget& nodes, const std::vector<int>& candidates, int me,
                          std::int64_t slice, Wins wins) {
    std::vector<Check> checks(candidates.size(), Check::unknown);
    const std::int64_t end = nodes.Used() + slice;
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (checks[i] == Check::unknown) open.push_back(i);
        for (std::size_t k = 0; k < open.size(); ++k) {
            const std::int64_t left = end - nodes.Used();
            if (left <= 0) break;
            nodes.LimitPhase(std::max<std::int64_t>(left / std::int64_t(open.size() - k), 1));
            checks[open[k]] = Holds(pos, nodes, candidates[open[k]], me, wins);
        }
    }
    std::vector<int> holding;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (checks[i] == Check::held) holding.push_back(candidates[i]);
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (checks[i] == Check::unknown) holding.push_back(candidates[i]);
    if (std::find(checks.begin(), checks.end(), Check::unknown) != checks.end()) nodes.MarkReached();
    return holding.empty() ? candidates : holding;
}

// `fields` with those of `more` not yet in it added.
std::vector<int> Joined(std::vector<int> fields, const std::vector<int>& more) {
    for (int c : more)
        if (std::find(fields.begin(), fields.end(), c) == fields.end()) fields.push_back(c);
    return fields;
}

// The board as seen by contestant 1: the search always plays contestant 1, so that its hashes, and
// with them the collisions in its tables, do not depend on which number the mover has; the game
// and pbrain-karvelo number the same player differently and must find the same fields.
Board AsContestantOne(const Board& board, int me) {
    Board b = board;
    if (me == 2)
        for (auto& column : b)
            for (Field& f : column)
                if (f.state == 1 || f.state == 2) f.state = Other(f.state);
    return b;
}

}  // namespace

std::vector<BoardPoint> SearchMove(const Board& board, int contestant, std::int64_t nodeBudget,
                                   MasterSearchEffort* effort) {
    if (effort) *effort = {};
    Position pos(AsContestantOne(board, contestant));
    const int me = 1;
    const int other = Other(me);
    constexpr int centre = boardSize / 2;
    if (pos.Stones() == 0) return {{centre, centre}};
    CellList cells;
    pos.NearbyEmpty(cells);
    if (cells.size == 0) return {};  // the board is full

    // Wins in one, the other's fives to block, own unstoppable fours: no search needed.
    std::vector<int> ownFives, otherFives, ownUnstoppable;
    for (int i = 0; i < cells.size; ++i) {
        const MoveShapes own = pos.ShapesOf(cells[i], me);
        if (own.MakesFive()) ownFives.push_back(cells[i]);
        if (own.MakesUnstoppableFour()) ownUnstoppable.push_back(cells[i]);
        if (pos.ShapesOf(cells[i], other).MakesFive()) otherFives.push_back(cells[i]);
    }
    if (!ownFives.empty()) return PointsOf(ownFives);
    if (!otherFives.empty()) return PointsOf(otherFives);
    if (!ownUnstoppable.empty()) return PointsOf(ownUnstoppable);

    NodeBudget nodes(std::max<std::int64_t>(nodeBudget, 1));
    FourChainSearch chains(pos, nodes);
    nodes.LimitPhase(nodes.Total() / 4);
    int first = noCell;
    const auto report = [&] {
        if (effort) *effort = {nodes.Used(), nodes.Reached()};
    };
    if (chains.FindWin(me, maxChainFours, &first)) {
        report();
        return PointsOf({first});
    }

    std::vector<int> moves = OrderedMoves(pos, cells, me);
    const std::vector<int> candidates(moves.begin(),
                                      moves.begin() + std::min<int>(int(moves.size()), defenceCandidates));
    // Its own win by threats with threes, then the defence: if the other side, were it on move,
    // would win by fours or threats, keep only the fields after which it no longer does. The
    // fields of its win join the ones tried against it.
    ThreatSpaceSearch threats(pos, nodes);
    nodes.LimitPhase(nodes.Total() / 8);
    if (threats.FindWin(me, maxThreats, &first)) {
        report();
        return PointsOf({first});
    }
    nodes.LimitPhase(nodes.Total() / 8);
    const auto otherWins = [&] {
        return chains.FindWin(other, maxChainFours, nullptr) || threats.FindWin(other, maxThreats, nullptr);
    };
    if (otherWins()) {
        const std::vector<int> tried = Joined(Joined(candidates, chains.Line()), threats.Line());
        moves = Defences(pos, nodes, tried, me, nodes.Total() / 4, otherWins);
    }
    nodes.LiftPhaseLimit();
    if (moves.size() > 20) moves.resize(20);
    AlphaBetaSearch search(pos, nodes);
    const std::vector<int> best = search.BestMoves(me, moves, maxSearchDepth);
    report();
    return PointsOf(best);
}

}  // namespace karvelo::master
