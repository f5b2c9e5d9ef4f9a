// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn cycle of a match: start, human and computer moves, five in a row, end and score
// exchange. Knows nothing of widgets; the window is reached through MatchHost.

#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"
#include "karvelo/roster/player_record.h"

namespace karvelo {

class MatchHost;
class RosterFile;

class MatchEngine {
public:
    MatchEngine(MatchState& match, Roster& roster, RosterFile& rosterFile, RandomSource& random,
                MatchHost& host);

    // Starts a match with the contestants, first mover and display already set by the set-up page.
    void StartMatch();

    // A press at pixel (X, Y) of the board while a match runs; the field size is that of the empty
    // field picture as loaded now.
    void HumanMove(int X, int Y, int fieldWidth, int fieldHeight);

    // Counts the next move; a computer on move plays at once.
    void PassTurn();

    void EndMatch();

private:
    void ComputerMove();
    void Evaluate();
    void TestForFive();
    void FinishMove();
    void EndDrawnMatch();
    void OfferNextMatch(const std::string& caption);
    std::int32_t SymbolVariant(int contestant);

    MatchState& m_;
    Roster& roster_;
    RosterFile& rosterFile_;
    RandomSource& random_;
    MatchHost& host_;

    // A computer's move, and every match that follows a Yes, runs from this loop rather than
    // from ever deeper calls, so a long series of computer matches keeps a flat stack.
    bool inTurnLoop_ = false;
    bool computerMovePending_ = false;
};

}  // namespace karvelo
