// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five-in-a-row board: 20 x 20 playable fields inside a ring of border fields, so that every
// run count and line walk stops on a field that is neither empty nor a contestant's.

#include <array>
#include <cstdint>

namespace karvelo {

constexpr int boardSize = 20;
constexpr int boardSpan = boardSize + 2;  // with the border ring

enum FieldStateCode : std::int32_t { fsEmpty = 0, fsBorder = 3 };

constexpr std::int32_t borderValue = -1000;

struct Field {
    std::int32_t state = 0;    // fsEmpty, 1 or 2 (the contestant), fsBorder
    std::int32_t value = 0;    // evaluation value; borderValue on the ring
    std::int32_t picture = 0;  // index into the field pictures, 0..8
};

// Indexed board[x][y]: x the column, y the row, both 0..21.
using Board = std::array<std::array<Field, boardSpan>, boardSpan>;

// Field pictures: 0 empty, 1..3 contestant 1's variants, 4..6 contestant 2's, 7 and 8 highlighted.
constexpr std::int32_t HighlightPicture(int contestant) { return contestant == 1 ? 7 : 8; }

}  // namespace karvelo
