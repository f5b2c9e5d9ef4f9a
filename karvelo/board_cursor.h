// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard cursor of the match screen: one of the 20 x 20 fields, hidden until a key asks for it.

#include "karvelo/match/board.h"

#include <algorithm>

namespace karvelo {

class BoardCursor {
public:
    static constexpr int centre = boardSize / 2;  // the field a computer opens with, too

    bool Visible() const { return visible_; }
    int Column() const { return column_; }
    int Row() const { return row_; }

    // A hidden cursor only appears, where it was; a shown one moves one field and stops at the edges.
    void Step(int dColumn, int dRow) {
        if (!visible_) {
            visible_ = true;
            return;
        }
        column_ = std::clamp(column_ + dColumn, 1, boardSize);
        row_ = std::clamp(row_ + dRow, 1, boardSize);
    }
    void Show() { visible_ = true; }
    void Hide() { visible_ = false; }
    void MoveTo(int column, int row) {
        column_ = std::clamp(column, 1, boardSize);
        row_ = std::clamp(row, 1, boardSize);
    }
    // Hidden, back at the centre: how every match begins.
    void Reset() {
        visible_ = false;
        column_ = centre;
        row_ = centre;
    }

private:
    bool visible_ = false;
    int column_ = centre;
    int row_ = centre;
};

}  // namespace karvelo
