// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The amount of search, counted in nodes: a move costs the same on every machine.

#include <cstdint>

namespace karvelo::master {

class NodeBudget {
public:
    explicit NodeBudget(std::int64_t total) : total_(total), limit_(total) {}

    // Counts one node; false, counting nothing, once the current limit is spent.
    bool Spend() {
        if (used_ >= limit_) {
            reached_ = true;
            return false;
        }
        ++used_;
        return true;
    }
    bool Spent() const {
        if (used_ >= limit_) reached_ = true;
        return used_ >= limit_;
    }
    // Whether the search ever met a limit. One that never did ended on its own (a forced move, a
    // win or loss seen, its deepest depth searched), and would end the same with any larger budget.
    bool Reached() const { return reached_; }
    // For a phase that stops on its own count of what is left rather than on a refused node.
    void MarkReached() { reached_ = true; }
    std::int64_t Used() const { return used_; }
    std::int64_t Total() const { return total_; }

    // Caps the next phase at `amount` more nodes, never beyond the total.
    void LimitPhase(std::int64_t amount) { limit_ = used_ + amount < total_ ? used_ + amount : total_; }
    void LiftPhaseLimit() { limit_ = total_; }

private:
    std::int64_t total_;
    std::int64_t limit_;
    std::int64_t used_ = 0;
    mutable bool reached_ = false;
};

}  // namespace karvelo::master
