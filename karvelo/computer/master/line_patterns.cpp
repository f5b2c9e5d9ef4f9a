// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/line_patterns.h"

namespace karvelo::master {

namespace {

// The run of own stones through the centre (index 4) of a nine-field line.
int RunThroughCentre(const std::array<int, 9>& line) {
    int n = 1;
    for (int i = 3; i >= 0 && line[i] == 1; --i) ++n;
    for (int i = 5; i <= 8 && line[i] == 1; ++i) ++n;
    return n;
}

// One step weaker than the shape that one more stone makes at best.
LineShape Weaker(LineShape s) {
    switch (s) {
    case LineShape::OpenFour:
        return LineShape::OpenThree;
    case LineShape::Four:
        return LineShape::Three;
    case LineShape::OpenThree:
        return LineShape::OpenTwo;
    case LineShape::Three:
        return LineShape::Two;
    case LineShape::OpenTwo:
        return LineShape::OpenOne;
    case LineShape::Two:
        return LineShape::One;
    default:
        return LineShape::None;
    }
}

class TableBuilder {
public:
    std::array<LineShape, lineKeyCount> table{};

    TableBuilder() {
        for (int key = 0; key < lineKeyCount; ++key) Shape(key);
    }

private:
    std::array<bool, lineKeyCount> done_{};

    static std::array<int, 9> Line(int key) {
        std::array<int, 9> line{};
        for (int offset = -4; offset <= 4; ++offset)
            line[offset + 4] = offset == 0 ? 1 : key / lineDigitWeight[LineDigit(offset)] % 3;
        return line;
    }

    // Every five counted here contains the centre, so all of it lies within the nine fields and
    // the shape is exact, not an approximation cut off at the window's edge.
    LineShape Shape(int key) {
        if (done_[key]) return table[key];
        std::array<int, 9> line = Line(key);
        LineShape shape = LineShape::None;
        if (RunThroughCentre(line) >= 5) {
            shape = LineShape::Five;
        } else {
            int completions = 0;
            LineShape bestNext = LineShape::None;
            for (int offset = -4; offset <= 4; ++offset) {
                if (offset == 0 || line[offset + 4] != 0) continue;
                line[offset + 4] = 1;
                if (RunThroughCentre(line) >= 5) ++completions;
                line[offset + 4] = 0;
            }
            if (completions >= 2) {
                shape = LineShape::OpenFour;
            } else if (completions == 1) {
                shape = LineShape::Four;
            } else {
                for (int offset = -4; offset <= 4; ++offset) {
                    if (offset == 0 || line[offset + 4] != 0) continue;
                    const LineShape next = Shape(key + lineDigitWeight[LineDigit(offset)]);
                    if (next > bestNext) bestNext = next;
                }
                shape = Weaker(bestNext);
            }
        }
        done_[key] = true;
        table[key] = shape;
        return shape;
    }
};

}  // namespace

const std::array<LineShape, lineKeyCount>& LineShapeTable() {
    static const std::array<LineShape, lineKeyCount> table = TableBuilder().table;
    return table;
}

}  // namespace karvelo::master
