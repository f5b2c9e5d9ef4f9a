// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn cycle of a match: start, human and computer moves, five in a row, end and score
// exchange. Knows nothing of widgets: it reports what happened to the window through MatchHost
// and asks the computer players through ComputerPlayer.

#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"
#include "karvelo/roster/player_record.h"

namespace karvelo {

class ComputerPlayer;
class MatchHost;
class RosterFile;

class MatchEngine {
public:
    MatchEngine(MatchState& match, Roster& roster, RosterFile& rosterFile, RandomSource& random,
                ComputerPlayer& computer, MatchHost& host);

    // Starts a match with the contestants, first mover and display already set by the set-up page.
    void StartMatch();

    // The human on move places a symbol on field (column, row), 1..20 each; ignored while a
    // computer is on move, after a five and on a taken field.
    void HumanMove(int column, int row);

    // Counts the next move; a computer on move plays at once.
    void PassTurn();

    void EndMatch();

private:
    void ComputerMove();
    void Evaluate();
    void TestForFive();
    void ReportFive();
    void PassTheTurn();
    void FinishMove();
    void EndDrawnMatch();
    void OfferNextMatch(const std::string& caption);
    std::int32_t SymbolVariant(int contestant);

    MatchState& m_;
    Roster& roster_;
    RosterFile& rosterFile_;
    RandomSource& random_;
    ComputerPlayer& computer_;
    MatchHost& host_;

    // A computer's move, and every match that follows a Yes, runs from this loop rather than
    // from ever deeper calls, so a long series of computer matches keeps a flat stack.
    bool inTurnLoop_ = false;
    bool computerMovePending_ = false;
};

}  // namespace karvelo
