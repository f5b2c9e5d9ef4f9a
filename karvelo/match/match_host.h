// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the match engine tells the window, and the few answers it needs from it. The engine reports
// what happened, in the order it happens; the window decides what to draw and what a screen reader
// hears. Tests implement it with a scripted fake.

#include <string>
#include <vector>

namespace karvelo {

struct FieldPosition {
    int column;
    int row;
    bool operator==(const FieldPosition&) const = default;
};

class MatchHost {
public:
    virtual ~MatchHost() = default;

    // A match begins: the board is cleared and the pictures are reloaded next.
    virtual void MatchStarting() = 0;
    // The match's empty board, its contestants and who is on move are to be shown: after the
    // pictures of a new match are loaded, and when another match follows a Yes.
    virtual void MatchStarted() = 0;
    // A symbol was placed on the field, before the values and the five test.
    virtual void StonePlaced(int column, int row, int contestant) = 0;
    // Every field got a new value (shown only while the values are on).
    virtual void FieldValuesChanged() = 0;
    // A run of five or more was found and highlighted; gameOver is set.
    virtual void FiveMarked(const std::vector<FieldPosition>& fields) = 0;
    // The other contestant is on move.
    virtual void TurnPassed() = 0;
    // The match is over: the winner (1 or 2), or 0 for a full board; the scores follow.
    virtual void MatchEnded(int winner) = 0;
    virtual void ScoresChanged() = 0;

    virtual void LoadThemeImages() = 0;  // may throw; the error ends the handler
    // Lets repaints and timers run between the moves of two computers; never user input.
    virtual void LetPendingEventsRun() = 0;
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    virtual void Warn(const std::string& text) = 0;  // caption "Pozor!"
    virtual void OpenMatchSetupPage() = 0;           // Hrat1Click
};

}  // namespace karvelo
