// SPDX-License-Identifier: GPL-3.0-or-later
// The board reset, the five test and the score exchange: the rules without a window.

#include "karvelo/match/five_in_row.h"
#include "karvelo/match/score_exchange.h"

#include <QTest>

using namespace karvelo;

namespace {
MatchState FreshMatch() {
    MatchState m;
    m.playerOnMove = 1;
    ResetBoard(m);
    return m;
}
void Put(MatchState& m, int p, std::initializer_list<std::pair<int, int>> fields) {
    for (auto [x, y] : fields) {
        m.board[x][y].state = p;
        m.board[x][y].picture = p == 1 ? 1 : 4;
    }
}
}  // namespace

class FiveInRowTest : public QObject {
    Q_OBJECT
private slots:
    void resetBoardBuildsTheRing() {
        MatchState m;
        m.playerOnMove = 2;
        m.moveCount = 17;
        m.gameOver = 1;
        m.board[5][5] = {1, 40, 3};
        ResetBoard(m);
        for (auto [x, y] : {std::pair{0, 0}, {21, 5}, {7, 21}, {0, 21}, {21, 0}}) {
            QCOMPARE(m.board[x][y].state, 3);
            QCOMPARE(m.board[x][y].value, -1000);
            QCOMPARE(m.board[x][y].picture, 0);
        }
        for (auto [x, y] : {std::pair{1, 1}, {20, 20}, {5, 5}}) {
            QCOMPARE(m.board[x][y].state, 0);
            QCOMPARE(m.board[x][y].value, 0);
            QCOMPARE(m.board[x][y].picture, 0);
        }
        QCOMPARE(m.moveCount, 0);
        QCOMPARE(m.gameOver, 0);
        QCOMPARE(m.firstMover, 2);
    }

    void resetFieldValuesKeepsStones() {
        MatchState m = FreshMatch();
        m.board[3][4] = {2, 77, 5};
        m.board[0][4].value = 12;
        ResetFieldValues(m);
        QCOMPARE(m.board[3][4].state, 2);
        QCOMPARE(m.board[3][4].picture, 5);
        QCOMPARE(m.board[3][4].value, 0);
        QCOMPARE(m.board[0][4].value, -1000);
    }

    void fivesInEveryDirection_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("x0");
        QTest::addColumn<int>("y0");
        QTest::newRow("down right") << 1 << 1 << 2 << 3;
        QTest::newRow("right") << 1 << 0 << 7 << 12;
        QTest::newRow("down") << 0 << 1 << 20 << 16;
        QTest::newRow("up right") << 1 << -1 << 3 << 9;
        QTest::newRow("against the right border") << 1 << 0 << 16 << 4;
    }
    void fivesInEveryDirection() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, x0);
        QFETCH(int, y0);
        MatchState m = FreshMatch();
        for (int k = 0; k < 5; ++k) Put(m, 2, {{x0 + k * dx, y0 + k * dy}});
        FindFive(m);
        QCOMPARE(m.gameOver, 1);
        for (int k = 0; k < 5; ++k) QCOMPARE(m.board[x0 + k * dx][y0 + k * dy].picture, 8);
    }

    void sixInARowWinsWhole() {
        MatchState m = FreshMatch();
        for (int x = 5; x <= 10; ++x) Put(m, 1, {{x, 10}});
        FindFive(m);
        QCOMPARE(m.gameOver, 1);
        for (int x = 5; x <= 10; ++x) QCOMPARE(m.board[x][10].picture, 7);
        QCOMPARE(m.board[11][10].picture, 0);
    }

    void noWinWithoutAnUnbrokenFive() {
        MatchState m = FreshMatch();
        Put(m, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}});
        Put(m, 2, {{5, 1}});
        Put(m, 1, {{1, 5}, {2, 5}, {4, 5}, {5, 5}, {6, 5}});  // a gap at (3, 5)
        Put(m, 2, {{10, 10}, {11, 11}, {12, 12}, {13, 13}});
        FindFive(m);
        QCOMPARE(m.gameOver, 0);
    }

    void onlyTheFirstRunInScanOrderIsHighlighted() {
        MatchState m = FreshMatch();
        for (int k = 0; k < 5; ++k) Put(m, 1, {{4 + k, 8}});  // right, from (4, 8)
        for (int k = 0; k < 5; ++k) Put(m, 1, {{4, 9 + k}});  // down, from (4, 9)
        for (int k = 0; k < 5; ++k) Put(m, 2, {{2, 2 + k}});  // contestant 2, smaller x
        FindFive(m);
        QCOMPARE(m.board[2][2].picture, 8);
        QCOMPARE(m.board[4][8].picture, 1);
        QCOMPARE(m.board[4][9].picture, 1);
    }

    void scoreExchange_data() {
        QTest::addColumn<int>("loser");
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("loserBegan");
        QTest::addColumn<int>("winnerAfter");
        QTest::addColumn<int>("loserAfter");
        QTest::newRow("even") << 500 << 500 << 30 << false << 529 << 472;
        QTest::newRow("loser began") << 500 << 500 << 30 << true << 538 << 464;
        QTest::newRow("stronger winner") << 500 << 700 << 9 << false << 706 << 494;
        QTest::newRow("loser has nothing") << 0 << 500 << 20 << true << 500 << 0;
        QTest::newRow("winner without points")
            << 999 << 0 << 400 << false << 399600 << 999 - 999 * 400 / 399601;
    }
    void scoreExchange() {
        QFETCH(int, loser);
        QFETCH(int, winner);
        QFETCH(int, moves);
        QFETCH(bool, loserBegan);
        const ScoreChange c = ExchangeScores(winner, loser, moves, loserBegan);
        QTEST(c.winnerScore, "winnerAfter");
        QTEST(c.loserScore, "loserAfter");
    }

    void guardHoldsFromTheSixthMove() {
        MatchState m;
        m.matchRunning = 1;
        m.moveCount = 5;
        QVERIFY(!MustFinishMatch(m));
        m.moveCount = 6;
        QVERIFY(MustFinishMatch(m));
        m.matchRunning = 0;
        QVERIFY(!MustFinishMatch(m));
    }
};

QTEST_GUILESS_MAIN(FiveInRowTest)
#include "test_five_in_row.moc"
