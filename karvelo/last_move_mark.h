// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks the field of the match's last move with corner brackets, so a player sees at once where
// the computer answered. Like the keyboard cursor it is drawn over the board picture on the
// screen only; the picture's surface never sees it.

#include "karvelo/match/match_state.h"

#include <QRect>

class QPainter;
class QWidget;

namespace karvelo {

class LastMoveMark {
public:
    LastMoveMark(QWidget& board, const MatchState& match) : board_(board), match_(match) {}

    // Cleared, the board paints exactly its picture.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    void MatchStarted();
    void StonePlaced(int column, int row);
    // The match changed in a way that may remove the mark (a five, the end): shows it as it is now.
    void Refresh();

    // The field marked now, or an invalid rectangle when nothing is marked.
    QRect MarkedField() const;
    void Paint(QPainter& painter) const;

private:
    void Redraw(const QRect& before);

    QWidget& board_;
    const MatchState& match_;
    bool enabled_ = true;
    int column_ = 0;  // 0: no move yet in this match
    int row_ = 0;
    QRect shown_;  // where it was last drawn
};

}  // namespace karvelo
