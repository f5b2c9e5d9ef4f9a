// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one stone would make along one line: the shape a contestant gets by placing on a field,
// judged from the four fields on each side of it in that direction.

#include <array>
#include <cstdint>

namespace karvelo::master {

// From weakest to strongest. Each shape is defined by what one more stone on the line can make:
// a four has one field left to complete five, an open four two (so it cannot be blocked), an open
// three can become an open four, a three a four, and so on down to a single stone.
enum class LineShape : std::uint8_t {
    None,
    One,
    OpenOne,
    Two,
    OpenTwo,
    Three,
    OpenThree,
    Four,
    OpenFour,
    Five
};

// The neighbourhood of a field along a line, as a base-3 number of eight digits: offsets -4..-1
// then 1..4, each 0 empty, 1 the contestant's own stone, 2 blocked (the other's stone or the edge).
constexpr int lineKeyCount = 6561;  // 3^8
constexpr std::array<std::uint16_t, 8> lineDigitWeight = {1, 3, 9, 27, 81, 243, 729, 2187};

// The digit position of a neighbour at `offset` (-4..-1, 1..4).
constexpr int LineDigit(int offset) { return offset < 0 ? offset + 4 : offset + 3; }

// The shape of placing one's own stone on the field for every key; built once, never changed.
const std::array<LineShape, lineKeyCount>& LineShapeTable();

inline LineShape ShapeOfKey(std::uint16_t key) { return LineShapeTable()[key]; }

}  // namespace karvelo::master
