// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the minefield rules report as a game goes on. The window turns each report into its tiles,
// boxes and spoken texts; tests record them.

#include "zarn/rules/cell_state.h"

#include <cstdint>
#include <vector>

namespace zarn {

class FieldEvents {
public:
    virtual ~FieldEvents() = default;

    // A safe field has been uncovered, with minesAround 0..8 around it. Throws when the window
    // cannot show it: a numbered field then stays covered, a blank one spreads no further.
    virtual void FieldUncovered(FieldPosition at, std::int32_t minesAround) = 0;

    // A click's uncovering has ended: the clicked field first, then every field its fill opened,
    // in the order they were uncovered.
    virtual void ClickUncovered(const std::vector<FieldPosition>& opened) = 0;

    // The mine at `mine` was clicked. Returns once the player knows; a new field follows, also
    // when this throws.
    virtual void GameLost(FieldPosition mine) = 0;

    // No covered safe field is left. Returns once the player knows; a new field follows.
    virtual void GameWon() = 0;

    // A new field has been laid with the size and mine count last applied.
    virtual void NewFieldLaid() = 0;

    // Once per uncovered field, before it is reported: the event loop handles everything pending
    // (timer ticks, clicks, repaints), so the fill shows as it goes.
    virtual void LetPendingEventsRun() = 0;
};

}  // namespace zarn
