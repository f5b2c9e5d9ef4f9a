// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The match screen from the keyboard: the arrow keys move a cursor over the fields, Space or Enter
// plays the field under it. A mouse press hides the cursor again. The cursor is drawn over the
// board picture, never into the picture's surface.

#include "karvelo/board_cursor.h"
#include "karvelo/match/match_state.h"

#include <QObject>
#include <QRect>
#include <functional>

class QKeyEvent;
class QPainter;

namespace karvelo {

class PictureControl;

class BoardKeyboard final : public QObject {
public:
    // press receives the field to play.
    BoardKeyboard(PictureControl& board, const MatchState& match,
                  std::function<void(int column, int row)> press);

    const BoardCursor& Cursor() const { return cursor_; }
    // Field (column, row), 1..20 each, in board pixels.
    QRect FieldRect(int column, int row) const;

    // Moves the cursor onto the field and presses it there.
    void PressField(int column, int row);

    // A new match: the cursor is hidden and starts again from the centre.
    void MatchStarted();
    // The match screen is up: from now on the board takes the keyboard.
    void BoardShown();

    // Draws the cursor over the board picture; the window calls it from the picture's overlay.
    void Paint(QPainter& painter) const;

    // Called whenever the cursor appears, moves or hides.
    std::function<void()> cursorChanged;
    // Called when a key's press of a field has been handled to its end, the computer's answer included.
    std::function<void()> pressHandled;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& key);
    void Redraw(const QRect& before);

    PictureControl& board_;
    const MatchState& match_;
    std::function<void(int column, int row)> press_;
    BoardCursor cursor_;
};

}  // namespace karvelo
