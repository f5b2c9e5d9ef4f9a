// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A random source that returns the draws a test lists, then a fixed pseudo-random sequence, and
// counts the draws taken.

#include "zarn/rules/random_source.h"

#include <cstdint>
#include <deque>

namespace zarn::test {

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<long> draws = {}) : draws_(std::move(draws)) {}

    void Queue(std::initializer_list<long> draws) { draws_.insert(draws_.end(), draws); }

    long NextNonNegative() override {
        ++taken;
        if (draws_.empty()) {
            state_ = state_ * 1103515245u + 12345u;
            return static_cast<long>((state_ >> 16) & 0x7fff);
        }
        const long next = draws_.front();
        draws_.pop_front();
        return next;
    }

    int taken = 0;

private:
    std::deque<long> draws_;
    std::uint32_t state_ = 1;
};

}  // namespace zarn::test
