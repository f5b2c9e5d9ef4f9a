// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/alpha_beta.h"

#include "karvelo/computer/master/move_value.h"

#include <algorithm>

namespace karvelo::master {

namespace {

constexpr int infinity = winScore + 1000;
constexpr int tableBits = 16;  // 1 MiB

// How many of a position's fields are searched, fewer deeper down.
int Width(int ply) { return ply == 0 ? 12 : ply < 3 ? 9 : 7; }

bool IsWin(int score) { return score > winScore - 1000; }
bool IsLoss(int score) { return score < -(winScore - 1000); }

// Win scores count plies from the root; the table keeps them counted from the stored position.
int ToTable(int score, int ply) { return IsWin(score) ? score + ply : IsLoss(score) ? score - ply : score; }
int FromTable(int score, int ply) { return IsWin(score) ? score - ply : IsLoss(score) ? score + ply : score; }

}  // namespace

AlphaBetaSearch::AlphaBetaSearch(Position& pos, NodeBudget& nodes)
    : pos_(pos), nodes_(nodes), table_(tableBits) {
    for (auto& k : killers_) k = {noCell, noCell};
}

int AlphaBetaSearch::Evaluate(const Prospects& own, const Prospects& theirs) const {
    // The side on move gets to use its chances first.
    int score = own.weight + own.weight / 4 - theirs.weight;
    // Combinations decide games before the weights do. On move, a four-three wins unless the
    // block of its four makes a four in reply; a double three wins unless the other side has a
    // four to gain time with. Not on move, the other side's open four in one must be met at once.
    if (own.fourThrees > 0)
        score += 4000;
    else if (own.doubleThrees > 0 && theirs.fours == 0)
        score += 2000;
    if (theirs.unstoppable > 0 && own.fours == 0)
        score -= 1500;
    else if (theirs.fourThrees > 0)
        score -= 800;
    if (theirs.doubleThrees > 0) score -= 400;
    return score;
}

void AlphaBetaSearch::RememberCutoff(int mover, int cell, int depth, int ply) {
    auto& k = killers_[std::size_t(ply)];
    if (k[0] != cell) {
        k[1] = k[0];
        k[0] = cell;
    }
    history_[std::size_t(mover - 1)][std::size_t(cell)] += depth * depth;
}

int AlphaBetaSearch::Search(int mover, int depth, int alpha, int beta, int ply) {
    if (!nodes_.Spend()) {
        aborted_ = true;
        return 0;
    }
    const int other = Other(mover);

    int tableMove = noCell;
    if (const TableEntry* e = table_.Find(pos_.Hash())) {
        tableMove = e->move;
        if (e->depth >= depth) {
            const int s = FromTable(e->score, ply);
            if (e->bound == Bound::Exact || (e->bound == Bound::Lower && s >= beta) ||
                (e->bound == Bound::Upper && s <= alpha))
                return s;
        }
    }

    // The board's prospects settle the leaves and the forced moves without visiting the fields.
    const Prospects own = pos_.ProspectsOf(mover);
    const Prospects theirs = pos_.ProspectsOf(other);
    if (own.fives > 0) return winScore - ply - 1;
    if (theirs.fives >= 2) return -(winScore - ply - 2);
    if (theirs.fives == 0 && own.unstoppable > 0) return winScore - ply - 3;
    if (ply >= maxPly || (depth <= 0 && theirs.fives == 0)) return Evaluate(own, theirs);

    CellList cells;
    pos_.NearbyEmpty(cells);
    if (cells.size == 0) return 0;  // a full board: nobody wins

    std::array<ScoredMove, boardSize * boardSize> moves;
    int count = 0;
    if (theirs.fives > 0) {
        // The one move left; searched even at the horizon, so a chain of fours is seen through.
        for (int i = 0; i < cells.size && count == 0; ++i)
            if (pos_.ShapesOf(cells[i], other).MakesFive()) moves[0] = {cells[i], 0}, count = 1;
        depth = std::max(depth, 1);
    } else {
        const bool otherThreatens = theirs.unstoppable > 0;  // the other side could make an open four next
        for (int i = 0; i < cells.size; ++i) {
            const int cell = cells[i];
            moves[std::size_t(count++)] = {cell,
                                           MoveValue(pos_.ShapesOf(cell, mover), pos_.ShapesOf(cell, other))};
        }
        if (otherThreatens) {
            // Against an open three only own fours and the fields that break the three count.
            int kept = 0;
            for (int i = 0; i < count; ++i) {
                const int cell = moves[std::size_t(i)].cell;
                const MoveShapes blocks = pos_.ShapesOf(cell, other);
                if (pos_.ShapesOf(cell, mover).MakesFour() || blocks.openFours > 0 || blocks.fours > 0)
                    moves[std::size_t(kept++)] = moves[std::size_t(i)];
            }
            count = kept;
        }
        const auto& killers = killers_[std::size_t(ply)];
        for (int i = 0; i < count; ++i) {
            ScoredMove& m = moves[std::size_t(i)];
            if (m.cell == tableMove)
                m.order += 1 << 28;
            else if (m.cell == killers[0])
                m.order += 1 << 14;
            else if (m.cell == killers[1])
                m.order += 1 << 13;
            m.order += std::min(history_[std::size_t(mover - 1)][std::size_t(m.cell)], 1 << 12);
        }
        // Ties go to the lower field, so the order is the same on every standard library.
        const auto better = [](const ScoredMove& a, const ScoredMove& b) {
            return a.order != b.order ? a.order > b.order : a.cell < b.cell;
        };
        const int searched = otherThreatens ? count : std::min(count, Width(ply));
        std::partial_sort(moves.begin(), moves.begin() + searched, moves.begin() + count, better);
        count = searched;
    }

    const int originalAlpha = alpha;
    int best = -infinity;
    int bestMove = noCell;
    for (int i = 0; i < count; ++i) {
        const int cell = moves[std::size_t(i)].cell;
        pos_.Place(cell, mover);
        int score;
        if (i == 0) {
            score = -Search(other, depth - 1, -beta, -alpha, ply + 1);
        } else {
            score = -Search(other, depth - 1, -alpha - 1, -alpha, ply + 1);
            if (score > alpha && score < beta && !aborted_)
                score = -Search(other, depth - 1, -beta, -alpha, ply + 1);
        }
        pos_.Take(cell);
        if (aborted_) return 0;
        if (score > best) {
            best = score;
            bestMove = cell;
        }
        if (score > alpha) alpha = score;
        if (alpha >= beta) {
            RememberCutoff(mover, cell, depth, ply);
            break;
        }
    }
    const Bound bound = best <= originalAlpha ? Bound::Upper : best >= beta ? Bound::Lower : Bound::Exact;
    table_.Store(pos_.Hash(), depth, ToTable(best, ply), bound, bestMove);
    return best;
}

std::vector<int> AlphaBetaSearch::BestMoves(int me, const std::vector<int>& rootMoves, int maxDepth) {
    if (rootMoves.empty()) return {};
    const int other = Other(me);
    std::vector<int> order = rootMoves;
    std::vector<int> best = {order.front()};
    for (int depth = 1; depth <= maxDepth; ++depth) {
        int bestScore = -infinity;
        std::vector<int> ties;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const int cell = order[i];
            pos_.Place(cell, me);
            int score;
            if (i == 0) {
                score = -Search(other, depth - 1, -infinity, infinity, 1);
            } else {
                // Only whether it reaches the best so far matters: equal fields are kept too.
                score = -Search(other, depth - 1, -bestScore, -bestScore + 1, 1);
                if (score >= bestScore && !aborted_)
                    score = -Search(other, depth - 1, -infinity, -bestScore + 1, 1);
            }
            pos_.Take(cell);
            if (aborted_) break;
            if (score > bestScore) {
                bestScore = score;
                ties = {cell};
            } else if (score == bestScore) {
                ties.push_back(cell);
            }
        }
        if (aborted_) break;
        best = ties;
        // The next depth starts with the best fields.
        std::stable_partition(order.begin(), order.end(),
                              [&](int c) { return std::find(ties.begin(), ties.end(), c) != ties.end(); });
        if (IsWin(bestScore) || IsLoss(bestScore)) break;
    }
    std::sort(best.begin(), best.end());
    return best;
}

}  // namespace karvelo::master
