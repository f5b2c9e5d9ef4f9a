// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as assistive technology sees it: 20 x 20 cells, each named by its column, its row and
// what lies there, reachable through the table interface. The cell under the keyboard cursor has
// the focus. The window hands it what the match engine reports (a stone placed, a five marked, new
// values); it reports the cells whose content changed, and the moves are spoken: the cursor's
// cell is presented anew with them as its description ("Mistr: sloupec 10, řádek 9."), since a
// screen reader reliably speaks only a focus that reaches a new object.

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

    struct CellPosition {
        int column;
        int row;
        bool operator==(const CellPosition&) const = default;
    };

    // What the window passes on: a match starts (its frame is painted); the next match's empty
    // board is shown; a move; a five; new field values; the whole match screen repainted.
    void MatchStarted();
    void NewMatchShown();
    void StonePlaced(int column, int row, std::int32_t contestant);
    void FiveMarked(const std::vector<CellPosition>& fields);
    void ValuesChanged();
    void BoardRepainted();
    // Speaks the moves made since the last time, if the board has the keyboard. Runs by itself once
    // control returns to the event loop and when a key's press has been answered.
    void SpeakMoves();
    // The moves not spoken yet, "Alfa: sloupec 10, řádek 10. Mistr: sloupec 11, řádek 9.", handed
    // over to be spoken otherwise (with a box that opens); they are not spoken here any more.
    QString TakeMovesToSpeak();
    QString MovesToSpeak() const {
        return pendingMove_.isEmpty() ? unspoken_ : unspoken_ + pendingMove_ + QStringLiteral(". ");
    }

    // The cells whose content the last move (or a whole repaint) changed; each was reported to
    // assistive technology as a cell whose name changed.
    const std::vector<CellPosition>& ChangedCells() const { return changed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::int32_t ShownValue(int column, int row) const;
    // The cells whose shown value differs from what was last reported, the record brought up to date.
    std::vector<CellPosition> SyncValues();
    // Adds the cells to those the move changed and tells assistive technology their names changed.
    void ReportChanged(const std::vector<CellPosition>& cells);
    void CommitMove();  // the move just made joins the moves to speak
    QString ContestantName(std::int32_t contestant) const;
    QString MoveText(int column, int row, std::int32_t contestant) const;
    void CursorChanged();
    void AnnounceFocus();

    PictureControl& board_;
    const MatchState& match_;
    const Roster& roster_;
    BoardKeyboard& keys_;
    bool showsMatch_ = false;
    // Values are part of the cells' names; the ones last reported, [column - 1][row - 1].
    std::array<std::array<std::int32_t, boardSize>, boardSize> shownValues_{};
    int lastColumn_ = 0;  // the field of the last move; 0 before it
    int lastRow_ = 0;
    std::int32_t lastContestant_ = 0;
    std::vector<CellPosition> changed_;
    QString pendingMove_;  // the move being made, until a five may be added to it
    QString unspoken_;     // moves made since they were last spoken
    bool speakQueued_ = false;
    QString spoken_;  // what the cell at spokenAt_ was last presented with
    CellPosition spokenAt_{0, 0};
};

// Lets assistive technology see the board picture as the table above, and any other picture as a
// graphic. Installed once; costs nothing until a screen reader asks.
void InstallBoardAccessibility();

}  // namespace karvelo
