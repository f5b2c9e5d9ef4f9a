// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/field_navigation.h"

namespace zarn {

bool IsCoveredField(const Minefield& field, FieldPosition at) {
    const std::int32_t side = field.Side();
    if (at.row < 1 || at.row > side || at.column < 1 || at.column > side) return false;
    const std::int32_t state = field.cells[at.row][at.column];
    return state == csCovered || state == csMine;
}

FieldPosition NextCoveredField(const Minefield& field, FieldPosition from, std::int32_t dRow,
                               std::int32_t dColumn) {
    if (dRow == 0 && dColumn == 0) return from;
    const std::int32_t side = field.Side();
    FieldPosition at = from;
    for (;;) {
        at.row += dRow;
        at.column += dColumn;
        if (at.row < 1 || at.row > side || at.column < 1 || at.column > side) return from;
        if (IsCoveredField(field, at)) return at;
    }
}

FieldPosition NeighbourField(const Minefield& field, FieldPosition from, std::int32_t dRow,
                             std::int32_t dColumn) {
    const std::int32_t side = field.Side();
    const FieldPosition to{from.row + dRow, from.column + dColumn};
    if (to.row < 1 || to.row > side || to.column < 1 || to.column > side) return from;
    return to;
}

std::optional<FieldPosition> NearestCoveredField(const Minefield& field, FieldPosition to) {
    std::optional<FieldPosition> best;
    std::int32_t bestDistance = 0;
    const std::int32_t side = field.Side();
    for (std::int32_t row = 1; row <= side; ++row) {
        for (std::int32_t column = 1; column <= side; ++column) {
            if (!IsCoveredField(field, {row, column})) continue;
            const std::int32_t distance =
                (row - to.row) * (row - to.row) + (column - to.column) * (column - to.column);
            if (!best || distance < bestDistance) {
                best = FieldPosition{row, column};
                bestDistance = distance;
            }
        }
    }
    return best;
}

}  // namespace zarn
