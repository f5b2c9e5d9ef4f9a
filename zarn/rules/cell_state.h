// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The states a cell of the minefield can be in, the array that holds them, and a field's place.

#include <array>
#include <cstdint>

namespace zarn {

enum CellState : std::int32_t {
    csCovered = 0,  // covered field without a mine
    csMine = 1,     // a mine; never uncovered, stays until the next field is laid
    csNumber = 3,   // uncovered, 1 to 8 mines around it
    csBlank = 4,    // uncovered, no mine around it
    csBorder = 9,   // the sentinel ring around the field
};

// The largest field is 20 x 20; one ring cell on every side keeps each neighbour inside the array.
inline constexpr std::int32_t kMaxSide = 20;
inline constexpr std::int32_t kArraySide = kMaxSide + 2;

using Cells = std::array<std::array<std::int32_t, kArraySide>, kArraySide>;  // [row][column]

struct FieldPosition {
    std::int32_t row = 0;
    std::int32_t column = 0;
    bool operator==(const FieldPosition&) const = default;
};

}  // namespace zarn
