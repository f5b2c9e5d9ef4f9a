// SPDX-License-Identifier: GPL-3.0-or-later
// The turn cycle driven through the engine's own interface, with a scripted window.

#include "karvelo/match/five_in_row.h"
#include "karvelo/match/match_engine.h"
#include "karvelo/match/score_exchange.h"
#include "karvelo/roster/roster_file.h"
#include "support/engine_table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

using namespace karvelo;
using karvelo::test::Table;

namespace {

// Contestant 1 builds (1..5, 1) while contestant 2 answers in row 3.
void PlayFiveForFirst(Table& t) {
    for (int k = 1; k <= 4; ++k) {
        t.Click(k, 1);
        t.Click(k, 3);
    }
    t.Click(5, 1);
}

}  // namespace

class MatchEngineTest : public QObject {
    Q_OBJECT
private slots:
    void startMatchSteps() {
        Table t(Human, Human);
        t.m.board[4][4].state = 1;  // a stone of an abandoned match
        t.Start(1);
        QCOMPARE(t.host.calls, (std::vector<std::string>{"starting", "load", "started"}));
        QCOMPARE(t.m.moveCount, 1);
        QCOMPARE(t.m.firstMover, 1);
        QCOMPARE(t.Stones(), 0);
    }

    // Fields outside 1..20 (a press mapped by pictures of another size) are no move.
    void fieldsOffTheBoardAreIgnored() {
        Table t(Human, Human);
        t.Start(1);
        for (auto [x, y] : {std::pair{0, 5}, {21, 5}, {5, 0}, {5, 21}, {41, 41}}) t.engine->HumanMove(x, y);
        QCOMPARE(t.Stones(), 0);
        QCOMPARE(t.m.moveCount, 1);
        t.random.draws = {5};
        t.engine->HumanMove(20, 1);
        QCOMPARE(t.m.board[20][1].picture, 5 % 3 + 1);
        QCOMPARE(t.m.playerOnMove, 2);
        QCOMPARE(t.m.moveCount, 2);
    }

    void pressOnAnOccupiedFieldChangesNothing() {
        Table t(Human, Human);
        t.Start(1);
        t.Click(7, 7);
        const Board before = t.m.board;
        t.Click(7, 7);
        QCOMPARE(t.m.playerOnMove, 2);
        QCOMPARE(t.m.moveCount, 2);
        QVERIFY(std::memcmp(&before, &t.m.board, sizeof before) == 0);
    }

    void decidedMatchExchangesAndStoresScores() {
        Table t(Human, Human, 500, 500);
        t.Start(2);  // contestant 2 (Beta) begins and loses
        t.Click(10, 10);
        PlayFiveForFirst(t);
        // Beta's stone at (10, 10) plus the eight and the winning stone: moveCount 10.
        const karvelo::ScoreChange expected = ExchangeScores(500, 500, 10, true);
        QCOMPARE(t.roster.roster[0].score, expected.winnerScore);
        QCOMPARE(t.roster.roster[1].score, expected.loserScore);
        QCOMPARE(t.FileBytes(), QByteArray("Alfa      ") + QByteArray::number(expected.winnerScore) +
                                    "x0\r\nBeta      " + QByteArray::number(expected.loserScore) + "x0\r\n#");
        QCOMPARE(t.host.questions.back(), std::string("Vyhrál Alfa|Chcete začít další zápas?"));
        // The winning stone, the values, the five, the turn; then the end, the scores and the
        // question, while the final position stays.
        const std::vector<std::string> tail(t.host.calls.end() - 8, t.host.calls.end());
        QCOMPARE(tail, (std::vector<std::string>{"stone 5,1 1", "values", "five", "turn", "ended 1", "scores",
                                                 "ask", "setup"}));
        QCOMPARE(t.host.fives.back(), (std::vector<FieldPosition>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
        QCOMPARE(t.m.matchRunning, 0);
    }

    void yesStartsTheNextMatchWithTheLoser() {
        Table t(Human, Human);
        t.Start(1);
        t.host.answers = {true};
        PlayFiveForFirst(t);
        QCOMPARE(t.m.matchRunning, 1);
        QCOMPARE(t.m.playerOnMove, 2);
        QCOMPARE(t.m.firstMover, 2);
        QCOMPARE(t.m.moveCount, 1);
        QCOMPARE(t.Stones(), 0);
        QCOMPARE(t.host.calls.back(), std::string("started"));
    }

    void noReturnsToTheSetupPage() {
        Table t(Human, Human);
        t.Start(1);
        PlayFiveForFirst(t);
        QCOMPARE(t.host.calls.back(), std::string("setup"));
        QCOMPARE(t.m.matchRunning, 0);
        QCOMPARE(t.m.gameOver, 0);
    }

    void winnerPastTheLimitIsStoredAs999() {
        Table t(Human, Human, 995, 999);
        t.Start(1);
        PlayFiveForFirst(t);
        QCOMPARE(t.roster.roster[0].score, 999);
        QVERIFY(t.FileBytes().startsWith("Alfa      999x0\r\n"));
    }

    void failedSaveIsReportedAndKeepsTheScores() {
        Table t(Human, Human);
        t.file = std::make_unique<RosterFile>(t.dir.filePath("missing-folder/data.dat").toStdString());
        t.engine = std::make_unique<MatchEngine>(t.m, t.roster, *t.file, t.random, t.computer, t.host);
        t.Start(1);
        PlayFiveForFirst(t);
        QCOMPARE(t.host.warnings.size(), size_t(1));
        QVERIFY(t.roster.roster[0].score > 500);
        QVERIFY(t.roster.roster[1].score < 500);
        QCOMPARE(t.host.questions.size(), size_t(1));
    }

    void computerFirstHasMovedWhenTheMatchStarts() {
        Table t(CpuNovice, Human);
        t.Start(1);
        QCOMPARE(t.m.board[10][10].state, 1);
        QCOMPARE(t.m.moveCount, 2);
        QCOMPARE(t.m.playerOnMove, 2);
        // Two draws for the computer's move: the field, then the variant.
        QCOMPARE(t.random.drawn, 2);
    }

    void humanFiveGetsNoComputerReply() {
        Table t(Human, CpuNovice);
        t.Start(1);
        for (int k = 1; k <= 4; ++k) t.Click(k, 1);
        const int drawsBefore = t.random.drawn;
        t.Click(5, 1);
        QCOMPARE(t.random.drawn, drawsBefore + 1);  // the human's symbol variant only
        QCOMPARE(t.host.questions.size(), size_t(1));
    }

    void computerSeriesRunsFlat() {
        Table t(CpuNovice, CpuAdvanced);
        t.host.answers = std::deque<bool>(12, true);
        t.Start(1);
        // Twelve Yes answers, then No: thirteen decided matches within one call.
        QCOMPARE(t.host.questions.size(), size_t(13));
        QCOMPARE(t.host.calls.back(), std::string("setup"));
        // Every question is asked from the same depth: the matches do not nest.
        for (const void* address : t.host.questionStackAddresses)
            QCOMPARE(address, t.host.questionStackAddresses.front());
        QVERIFY(std::count(t.host.calls.begin(), t.host.calls.end(), "events") > 0);
    }

    void fullBoardIsADraw() {
        Table t(Human, Human);
        t.Start(1);
        // Pairs along a row, single stones along a column: nowhere five.
        auto owner = [](int x, int y) { return (x / 2 + y) % 2 + 1; };
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                if (x != 20 || y != 20) t.m.board[x][y] = {owner(x, y), 0, owner(x, y) == 1 ? 1 : 4};
        t.m.playerOnMove = owner(20, 20);
        t.m.firstMover = 1;
        t.m.moveCount = 400;
        const Roster before = t.roster;
        t.host.answers = {true};
        t.Click(20, 20);
        QCOMPARE(t.host.questions.back(), std::string("Remíza|Chcete začít další zápas?"));
        QCOMPARE(t.roster.roster[0].score, before.roster[0].score);
        QCOMPARE(t.roster.roster[1].score, before.roster[1].score);
        QCOMPARE(t.FileBytes(), QByteArray());  // nothing to store
        QCOMPARE(t.m.playerOnMove, 2);          // the one who did not begin
        QCOMPARE(t.m.matchRunning, 1);
        QCOMPARE(t.Stones(), 0);
    }

    void drawAnsweredNoOpensTheSetupPage() {
        Table t(Human, Human);
        t.Start(2);
        auto owner = [](int x, int y) { return (x / 2 + y) % 2 + 1; };
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                if (x != 1 || y != 1) t.m.board[x][y] = {owner(x, y), 0, 1};
        t.m.playerOnMove = owner(1, 1);
        t.Click(1, 1);
        QCOMPARE(t.host.calls.back(), std::string("setup"));
        QCOMPARE(t.m.matchRunning, 0);
    }
};

QTEST_GUILESS_MAIN(MatchEngineTest)
#include "test_match_engine.moc"
