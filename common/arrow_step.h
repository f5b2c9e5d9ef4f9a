// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step an arrow key takes on a grid of fields, the same on the board and on the minefield.
// Header-only, compiled into each program on its own (the two programs share no library).

#include <Qt>
#include <optional>

namespace arrow_step {

struct Step {
    int dRow = 0;
    int dColumn = 0;
};

// One field up, down, left or right; none for any other key.
inline std::optional<Step> ForKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return Step{0, -1};
    case Qt::Key_Right:
        return Step{0, 1};
    case Qt::Key_Up:
        return Step{-1, 0};
    case Qt::Key_Down:
        return Step{1, 0};
    default:
        return std::nullopt;
    }
}

}  // namespace arrow_step
