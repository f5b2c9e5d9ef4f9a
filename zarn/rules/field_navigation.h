// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving among the covered fields from the keyboard.

#include "zarn/rules/minefield.h"

#include <cstdint>
#include <optional>

namespace zarn {

// Still covered for the player: a safe field not yet uncovered, or a mine.
bool IsCoveredField(const Minefield& field, FieldPosition at);

// The first covered field after `from` going (dRow, dColumn) a step at a time, uncovered fields
// skipped; `from` itself when none is left before the edge of the field.
FieldPosition NextCoveredField(const Minefield& field, FieldPosition from, std::int32_t dRow,
                               std::int32_t dColumn);

// The field one step (dRow, dColumn) from `from`, covered or not; `from` itself at the edge.
FieldPosition NeighbourField(const Minefield& field, FieldPosition from, std::int32_t dRow,
                             std::int32_t dColumn);

// The covered field closest to `to` (straight-line distance; the earlier row, then the earlier column,
// among equals), or none when nothing is covered.
std::optional<FieldPosition> NearestCoveredField(const Minefield& field, FieldPosition to);

}  // namespace zarn
