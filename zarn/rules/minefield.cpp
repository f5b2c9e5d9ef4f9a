// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/rules/minefield.h"

#include "zarn/rules/difficulty.h"

namespace zarn {

void Minefield::ApplyDifficulty() {
    const DifficultyLevel level = DifficultyTable(difficulty);
    fieldSize = level.fieldSize;
    mineTarget = level.mineTarget;
}

void Minefield::LayNewField(RandomSource& random) {
    const std::int32_t side = Side();
    for (scanRow = 0; scanRow <= side + 1; ++scanRow)
        for (scanCol = 0; scanCol <= side + 1; ++scanCol) cells[scanRow][scanCol] = csBorder;
    for (scanRow = 1; scanRow <= side; ++scanRow)
        for (scanCol = 1; scanCol <= side; ++scanCol) cells[scanRow][scanCol] = csCovered;
    ++generation;

    // Mines may fall anywhere in the field, its last row and column included.
    const std::int32_t range = side;
    minesPlaced = 0;
    do {
        const std::int32_t row = 1 + RandomBelow(random, range);
        const std::int32_t column = 1 + RandomBelow(random, range);
        if (cells[row][column] == csCovered) {
            cells[row][column] = csMine;
            ++minesPlaced;
        }
    } while (minesPlaced < mineTarget);
}

std::int32_t Minefield::MinesAround(std::int32_t row, std::int32_t column) const {
    std::int32_t count = 0;
    for (std::int32_t r = row - 1; r <= row + 1; ++r)
        for (std::int32_t c = column - 1; c <= column + 1; ++c)
            if ((r != row || c != column) && cells[r][c] == csMine) ++count;
    return count;
}

bool Minefield::IsWon() {
    const std::int32_t side = Side();
    std::int32_t covered = 0;
    for (scanRow = 1; scanRow <= side; ++scanRow)
        for (scanCol = 1; scanCol <= side; ++scanCol)
            if (cells[scanRow][scanCol] == csCovered) ++covered;
    return covered == 0;
}

}  // namespace zarn
