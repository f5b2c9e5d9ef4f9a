// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as assistive technology sees it: 20 x 20 cells, each named by its column, its row and
// what lies there, reachable through the table interface. The cell under the keyboard cursor has
// the focus. After every move the board reports the cells whose content changed, and the moves are
// spoken: the cursor's cell is presented anew with them as its description ("Mistr: sloupec 10,
// řádek 9."), since a screen reader reliably speaks only a focus that reaches a new object.

#include "karvelo/match/match_state.h"
#include "karvelo/roster/player_record.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

namespace karvelo {

class BoardKeyboard;
class PictureControl;

class BoardAccessibility final : public QObject {
    Q_OBJECT

public:
    BoardAccessibility(PictureControl& board, const MatchState& match, const Roster& roster,
                       BoardKeyboard& keys);

    // False until the first match: the picture then shows the title screen and has no cells.
    bool ShowsMatch() const { return showsMatch_; }
    QString BoardName() const;
    // Who is on move and which field the last move took.
    QString BoardDescription() const;
    // "Sloupec 5, řádek 7: prázdné", "...: Alfa", "...: Alfa, pětice"; the value while values are shown.
    QString CellName(int column, int row) const;
    QRect CellRect(int column, int row) const;  // in board pixels
    bool HasFocusAt(int column, int row) const;
    PictureControl& Board() const { return board_; }
    BoardKeyboard& Keys() const { return keys_; }

    // The focused cell's description: the moves spoken with it, empty after the cursor moved on.
    QString CellDescription(int column, int row) const;

    // Hooks of the window: a match starts; the match screen has been repainted.
    void MatchStarted();
    void Repainted();
    // Speaks the moves made since the last time, if the board has the keyboard. Runs by itself once
    // control returns to the event loop and when a key's press has been answered.
    void SpeakMoves();
    // The moves not spoken yet, "Alfa: sloupec 10, řádek 10. Mistr: sloupec 11, řádek 9.", handed
    // over to be spoken otherwise (with a box that opens); they are not spoken here any more.
    QString TakeMovesToSpeak();
    const QString& MovesToSpeak() const { return unspoken_; }

    // The cells whose content the last repaint changed, in column order; each was reported to
    // assistive technology as a cell whose name changed.
    struct CellPosition {
        int column;
        int row;
        bool operator==(const CellPosition&) const = default;
    };
    const std::vector<CellPosition>& ChangedCells() const { return changed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shown {
        std::int32_t state = 0;
        bool highlighted = false;
        std::int32_t value = 0;
        bool operator==(const Shown&) const = default;
    };
    Shown ShownAt(int column, int row) const;
    QString ContestantName(std::int32_t contestant) const;
    QString MoveText(int column, int row, std::int32_t contestant) const;
    void CursorChanged();
    void AnnounceFocus();

    PictureControl& board_;
    const MatchState& match_;
    const Roster& roster_;
    BoardKeyboard& keys_;
    bool showsMatch_ = false;
    std::array<std::array<Shown, boardSize>, boardSize> shown_{};  // [column - 1][row - 1]
    int lastColumn_ = 0;                                           // the field of the last move; 0 before it
    int lastRow_ = 0;
    std::int32_t lastContestant_ = 0;
    std::vector<CellPosition> changed_;
    QString unspoken_;  // moves made since they were last spoken
    bool speakQueued_ = false;
    QString spoken_;  // what the cell at spokenAt_ was last presented with
    CellPosition spokenAt_{0, 0};
};

// Lets assistive technology see the board picture as the table above, and any other picture as a
// graphic. Installed once; costs nothing until a screen reader asks.
void InstallBoardAccessibility();

}  // namespace karvelo
