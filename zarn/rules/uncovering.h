// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a click on a field does: loss on a mine, uncovering with flood fill, the win test.

#include "zarn/rules/field_events.h"
#include "zarn/rules/minefield.h"
#include "zarn/rules/random_source.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace zarn {

// Reports each step to `events`; a lost or won game is followed by a new field drawn from `random`.
class Uncovering {
public:
    Uncovering(Minefield& field, RandomSource& random, FieldEvents& events)
        : field_(field), random_(random), events_(events) {}

    // A click on the field at (row, column). A click that arrives while another is being
    // processed (the flood fill lets events in) waits until that one has finished, and is
    // dropped if by then its field is uncovered or the field has been replaced.
    void ClickField(std::int32_t row, std::int32_t column);

    // Uncovers a covered field and, when no mine is around it, its covered neighbours, depth
    // first. Stops as soon as a new field has been laid during its event processing.
    void UncoverField(std::int32_t row, std::int32_t column);

    bool Busy() const { return busy_; }

private:
    struct PendingClick {
        std::int32_t row;
        std::int32_t column;
        std::uint32_t generation;
    };

    void HandleClick(std::int32_t row, std::int32_t column);
    bool StillPlayable(const PendingClick& click) const;

    Minefield& field_;
    RandomSource& random_;
    FieldEvents& events_;
    bool busy_ = false;
    std::deque<PendingClick> pending_;
    std::vector<FieldPosition> opened_;  // by the click being handled
};

}  // namespace zarn
