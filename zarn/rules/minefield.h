// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game state of the minefield and the rules that need no window: laying a new field,
// counting mines around a field, and the win test.

#include "zarn/rules/cell_state.h"
#include "zarn/rules/random_source.h"

#include <cstdint>

namespace zarn {

struct Minefield {
    Cells cells{};
    std::int32_t difficulty = 0;  // 1 Lehká, 2 Střední, 3 Těžká
    std::int32_t minesPlaced = 0;
    std::int32_t mineTarget = 0;  // 0 until the first "Začít hru"
    std::int32_t fieldSize = 0;   // side less one; 0 until the first "Začít hru"
    std::int32_t scanRow = 0;     // cursors of the whole-field loops
    std::int32_t scanCol = 0;
    std::int32_t startSeconds = 0;  // whole seconds since program start when timing began

    // Counts the fields laid so far, so work that spans event processing can tell that the
    // field it started on has been replaced.
    std::uint32_t generation = 0;

    std::int32_t Side() const { return fieldSize + 1; }

    // Sets fieldSize and mineTarget from the difficulty table.
    void ApplyDifficulty();

    // Resets the ring and the field and lays mineTarget mines, row drawn before column, each
    // from 1..Side(); a draw that lands on a mine is discarded.
    void LayNewField(RandomSource& random);

    // Mines among the eight neighbours; the ring never counts.
    std::int32_t MinesAround(std::int32_t row, std::int32_t column) const;

    // True when no field of the current field is still covered (mines do not count).
    bool IsWon();
};

}  // namespace zarn
