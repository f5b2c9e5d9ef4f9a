// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pbrain/budget_planner.h"

#include "karvelo/computer/master_search.h"

#include <algorithm>

namespace karvelo::pbrain {

namespace {

// Before anything is measured: slower than this search has run on any machine we know.
constexpr double assumedNodesPerMs = 100;
// A search that ends early (a win in one, a forced block) seems faster than any real one; a
// speed above this is not believed.
constexpr double fastestNodesPerMs = 4000;
// Below this a search is too short to time it well: the clock's and the first cache misses' share
// is too large.
constexpr double shortestMs = 5;
// Only this part of the time left is planned, for a search that runs slower than predicted (its
// nodes cost more deeper in the tree, other programs take the processor).
constexpr double plannedShare = 0.7;
// At most this much larger than the last search, so the speed is measured again at each scale.
constexpr std::int64_t growth = 8;
// A search hardly larger than the last is not worth its time.
constexpr double worthwhile = 1.2;
constexpr std::int64_t smallestBudget = 500;
constexpr std::int64_t largestBudget = 2'000'000'000;

}  // namespace

BudgetPlanner::BudgetPlanner(double thinkingMs, double nodesPerMs)
    : thinkingMs_(thinkingMs), nodesPerMs_(0),
      previousNodesPerMs_(nodesPerMs > 0 ? std::min(nodesPerMs, fastestNodesPerMs) : assumedNodesPerMs) {
    // The game's budget unless even that would not fit, at the speed of the last move.
    const double fits = thinkingMs_ * plannedShare * previousNodesPerMs_;
    first_ = fits >= double(masterNodeBudget) ? masterNodeBudget
                                              : std::max(smallestBudget, static_cast<std::int64_t>(fits));
}

std::int64_t BudgetPlanner::Next(std::int64_t budget, double searchMs, double elapsedMs) {
    // The largest search is the best measure of the next, larger one.
    if (searchMs >= shortestMs) nodesPerMs_ = std::min(double(budget) / searchMs, fastestNodesPerMs);
    // While this move has only seen searches too short to time, the last move's speed holds.
    const double speed = NodesPerMs();
    const double leftMs = thinkingMs_ - elapsedMs;
    if (leftMs <= 0) return 0;
    const double fits = leftMs * plannedShare * speed;
    const double next = std::min({fits, double(budget) * growth, double(largestBudget)});
    if (next < double(budget) * worthwhile) return 0;
    return static_cast<std::int64_t>(next);
}

}  // namespace karvelo::pbrain
