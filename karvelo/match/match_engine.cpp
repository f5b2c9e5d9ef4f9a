// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/match/match_engine.h"

#include "karvelo/computer/computer_move.h"
#include "karvelo/computer/field_evaluation.h"
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
                         MatchHost& host)
    : m_(match), roster_(roster), rosterFile_(rosterFile), random_(random), host_(host) {}

std::int32_t MatchEngine::SymbolVariant(int contestant) {
    return random_.Next() % 3 + 3 * (contestant - 1) + 1;
}

void MatchEngine::StartMatch() {
    host_.HideAllControls();
    ResetBoard(m_);
    host_.PaintBoardFrame();
    host_.LoadThemeImages();
    host_.RepaintMatchScreen();
    if (m_.playerOnMove > 0) PassTurn();
}

void MatchEngine::HumanMove(int X, int Y, int fieldWidth, int fieldHeight) {
    // Only types above 0 are played by the program; any other code (a damaged roster) clicks like
    // a human, so the match can never wait for a move nobody makes.
    if (m_.TypeOnMove() > 0 || m_.gameOver != 0) return;
    if (!(X > 40 && X < 440 && Y > 40 && Y < 440)) return;
    if (fieldWidth <= 0 || fieldHeight <= 0) return;
    const int x = (X - 20) / fieldWidth;
    const int y = (Y - 20) / fieldHeight;
    // Pictures of another size than 20 x 20 can map a press outside the board.
    if (x < 1 || x > boardSize || y < 1 || y > boardSize) return;
    Field& f = m_.board[x][y];
    if (f.state != fsEmpty) return;

    f.state = m_.playerOnMove;
    f.picture = SymbolVariant(m_.playerOnMove);
    host_.StonePlaced(x, y);
    Evaluate();
    TestForFive();
    m_.playerOnMove = m_.playerOnMove == 1 ? 2 : 1;
    host_.RepaintMatchScreen();
    FinishMove();
}

// The evaluation and the five test mark a five on the board; it is shown at once.
void MatchEngine::Evaluate() {
    const int before = m_.gameOver;
    EvaluateFields(m_);
    if (m_.gameOver != before) host_.RepaintMatchScreen();
}

void MatchEngine::TestForFive() {
    const int before = m_.gameOver;
    FindFive(m_);
    if (m_.gameOver != before) host_.RepaintMatchScreen();
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
    const FieldChoice choice = ChooseComputerMove(m_, random_);
    if (!choice.found) return;  // no empty field: a full board has already ended the match
    Field& f = m_.board[choice.x][choice.y];
    f.state = m_.playerOnMove;
    f.picture = SymbolVariant(m_.playerOnMove);
    host_.StonePlaced(choice.x, choice.y);
    Evaluate();
    m_.playerOnMove = m_.playerOnMove == 1 ? 2 : 1;
    TestForFive();
    host_.RepaintMatchScreen();
    FinishMove();
}

void MatchEngine::EndMatch() {
    m_.matchRunning = 0;
    const bool secondWon = m_.playerOnMove == 1;
    const int winner = secondWon ? m_.contestantIndex2 : m_.contestantIndex1;
    const int loser = secondWon ? m_.contestantIndex1 : m_.contestantIndex2;
    const bool loserBegan = m_.firstMover == m_.playerOnMove;

    PlayerRecord& w = roster_.roster[winner];
    PlayerRecord& l = roster_.roster[loser];
    const ScoreChange change = ExchangeScores(w.score, l.score, m_.moveCount, loserBegan);
    w.score = change.winnerScore;
    l.score = change.loserScore;
    if (const std::string failure = StoreRoster(roster_, rosterFile_); !failure.empty()) host_.Warn(failure);

    ResetBoard(m_);
    OfferNextMatch("Vyhrál " + Cp1250ToUtf8(roster_.roster[winner].name));
}

void MatchEngine::EndDrawnMatch() {
    m_.matchRunning = 0;
    // The contestant who did not begin the drawn match begins the next one.
    m_.playerOnMove = m_.firstMover == 1 ? 2 : 1;
    ResetBoard(m_);
    OfferNextMatch("Remíza");
}

void MatchEngine::OfferNextMatch(const std::string& caption) {
    if (host_.AskYesNo(caption, nextMatchQuestion)) {
        m_.matchRunning = 1;
        host_.RepaintMatchScreen();
        PassTurn();
    } else {
        host_.OpenMatchSetupPage();
    }
}

}  // namespace karvelo
