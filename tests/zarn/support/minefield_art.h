// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hand-made fields from rows of text: '*' a mine, '.' a covered safe field.

#include "zarn/rules/minefield.h"

#include <string>
#include <vector>

namespace zarn::test {

inline void LayField(Minefield& field, const std::vector<std::string>& rows) {
    const auto side = static_cast<std::int32_t>(rows.size());
    field.fieldSize = side - 1;
    for (auto& row : field.cells) row.fill(csBorder);
    field.minesPlaced = 0;
    for (std::int32_t r = 1; r <= side; ++r) {
        for (std::int32_t c = 1; c <= side; ++c) {
            const bool mine = rows[r - 1][c - 1] == '*';
            field.cells[r][c] = mine ? csMine : csCovered;
            field.minesPlaced += mine ? 1 : 0;
        }
    }
    field.mineTarget = field.minesPlaced;
    ++field.generation;
}

}  // namespace zarn::test
