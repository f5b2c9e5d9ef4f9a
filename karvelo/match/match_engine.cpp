// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/match/match_engine.h"

#include "karvelo/match/computer_player.h"
#include "karvelo/match/five_in_row.h"
#include "karvelo/match/match_host.h"
#include "karvelo/match/score_exchange.h"
#include "karvelo/roster/codepage1250.h"
#include "karvelo/roster/roster_file.h"

namespace karvelo {

namespace {
const char* const nextMatchQuestion = "Chcete začít další zápas?";
}

MatchEngine::MatchEngine(MatchState& match, Roster& roster, RosterFile& rosterFile, RandomSource& random,
                         ComputerPlayer& computer, MatchHost& host)
    : m_(match), roster_(roster), rosterFile_(rosterFile), random_(random), computer_(computer), host_(host) {
}

std::int32_t MatchEngine::SymbolVariant(int contestant) {
    return random_.Next() % 3 + 3 * (contestant - 1) + 1;
}

void MatchEngine::StartMatch() {
    ResetBoard(m_);
    host_.MatchStarting();
    host_.LoadThemeImages();
    host_.MatchStarted();
    if (m_.playerOnMove > 0) PassTurn();
}

void MatchEngine::HumanMove(int column, int row) {
    // Only types above 0 are played by the program; any other code (a damaged roster) plays like
    // a human, so the match can never wait for a move nobody makes.
    if (m_.TypeOnMove() > 0 || m_.gameOver != 0) return;
    if (column < 1 || column > boardSize || row < 1 || row > boardSize) return;
    Field& f = m_.board[column][row];
    if (f.state != fsEmpty) return;

    f.state = m_.playerOnMove;
    f.picture = SymbolVariant(m_.playerOnMove);
    host_.StonePlaced(column, row, m_.playerOnMove);
    Evaluate();
    TestForFive();
    PassTheTurn();
    FinishMove();
}

void MatchEngine::Evaluate() {
    const int before = m_.gameOver;
    computer_.EvaluateFields(m_);
    host_.FieldValuesChanged();
    if (m_.gameOver != before) ReportFive();
}

void MatchEngine::TestForFive() {
    const int before = m_.gameOver;
    FindFive(m_);
    if (m_.gameOver != before) ReportFive();
}

void MatchEngine::ReportFive() {
    // The run was highlighted where it lies; those are the fields to show.
    std::vector<FieldPosition> fields;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const Field& f = m_.board[x][y];
            if ((f.state == 1 || f.state == 2) && f.picture == HighlightPicture(f.state))
                fields.push_back({x, y});
        }
    host_.FiveMarked(fields);
}

void MatchEngine::PassTheTurn() {
    m_.playerOnMove = m_.playerOnMove == 1 ? 2 : 1;
    host_.TurnPassed();
}

void MatchEngine::FinishMove() {
    if (m_.gameOver == 1)
        EndMatch();
    else if (BoardFull(m_))
        EndDrawnMatch();
    else
        PassTurn();
}

void MatchEngine::PassTurn() {
    m_.moveCount += 1;
    if (m_.TypeOnMove() <= 0) return;
    if (inTurnLoop_) {
        computerMovePending_ = true;
        return;
    }
    struct LoopScope {
        bool& flag;
        explicit LoopScope(bool& f) : flag(f) { flag = true; }
        ~LoopScope() { flag = false; }
    } scope(inTurnLoop_);
    computerMovePending_ = true;
    bool first = true;
    while (computerMovePending_) {
        computerMovePending_ = false;
        if (!first) host_.LetPendingEventsRun();
        first = false;
        ComputerMove();
    }
}

void MatchEngine::ComputerMove() {
    if (m_.TypeOnMove() <= 0 || m_.gameOver != 0) return;
    const FieldChoice choice = computer_.ChooseMove(m_, random_);
    if (!choice.found) return;  // no empty field: a full board has already ended the match
    Field& f = m_.board[choice.x][choice.y];
    f.state = m_.playerOnMove;
    f.picture = SymbolVariant(m_.playerOnMove);
    host_.StonePlaced(choice.x, choice.y, m_.playerOnMove);
    Evaluate();
    PassTheTurn();
    TestForFive();
    FinishMove();
}

void MatchEngine::EndMatch() {
    m_.matchRunning = 0;
    const bool secondWon = m_.playerOnMove == 1;
    host_.MatchEnded(secondWon ? 2 : 1);
    const int winner = secondWon ? m_.contestantIndex2 : m_.contestantIndex1;
    const int loser = secondWon ? m_.contestantIndex1 : m_.contestantIndex2;
    const bool loserBegan = m_.firstMover == m_.playerOnMove;

    PlayerRecord& w = roster_.roster[winner];
    PlayerRecord& l = roster_.roster[loser];
    const ScoreChange change = ExchangeScores(w.score, l.score, m_.moveCount, loserBegan);
    w.score = change.winnerScore;
    l.score = change.loserScore;
    host_.ScoresChanged();
    if (const std::string failure = StoreRoster(roster_, rosterFile_); !failure.empty()) host_.Warn(failure);

    ResetBoard(m_);
    OfferNextMatch("Vyhrál " + Cp1250ToUtf8(roster_.roster[winner].name));
}

void MatchEngine::EndDrawnMatch() {
    m_.matchRunning = 0;
    host_.MatchEnded(0);
    // The contestant who did not begin the drawn match begins the next one.
    m_.playerOnMove = m_.firstMover == 1 ? 2 : 1;
    ResetBoard(m_);
    OfferNextMatch("Remíza");
}

void MatchEngine::OfferNextMatch(const std::string& caption) {
    if (host_.AskYesNo(caption, nextMatchQuestion)) {
        m_.matchRunning = 1;
        host_.MatchStarted();
        PassTurn();
    } else {
        host_.OpenMatchSetupPage();
    }
}

}  // namespace karvelo
