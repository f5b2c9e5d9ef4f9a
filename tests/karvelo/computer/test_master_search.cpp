// SPDX-License-Identifier: GPL-3.0-or-later
// CPU mistr: tactics on set positions (a win in one, a four or an open three to answer, chains of
// fours to find and see through), its field scores, and whole matches that a seed repeats.

#include "karvelo/computer/master_search.h"
#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"
#include "support/engine_table.h"
#include "support/positions.h"

#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

using namespace karvelo;
using namespace karvelo::test;

namespace {

using Points = std::vector<BoardPoint>;
using FieldList = std::vector<std::pair<int, int>>;

// Contestant 1's stones `x`, contestant 2's (CPU mistr, on move) `o`.
Board Position(const FieldList& x, const FieldList& o) {
    MatchState m = ComputerOnMove(CpuMaster);
    for (auto [px, py] : x) Put(m, 1, {{px, py}});
    for (auto [px, py] : o) Put(m, 2, {{px, py}});
    return m.board;
}

// CPU mistr plays both sides from `b`, contestant 2 first, always the first of its equal fields;
// the ply on which contestant 2 completes five, or 0 if it does not within `plies`.
int PlyOfWin(Board b, int plies) {
    int mover = 2;
    for (int ply = 1; ply <= plies; ++ply) {
        const Points best = SearchMasterMove(b, mover);
        if (best.empty()) return 0;
        b[best[0].x][best[0].y].state = mover;
        if (HasFive(b, mover)) return mover == 2 ? ply : 0;
        mover = 3 - mover;
    }
    return 0;
}

// Contestant 2 has a chain of fours: three, five and seven plies to its five.
const FieldList chainX3 = {{5, 10}, {10, 6}, {3, 3}, {15, 15}};
const FieldList chainO3 = {{6, 10}, {7, 10}, {8, 10}, {10, 7}, {10, 8}, {10, 9}};
const FieldList chainX5 = {{9, 4}, {6, 5}, {14, 5}, {16, 16}, {3, 17}};
const FieldList chainO5 = {{9, 5}, {9, 6}, {9, 7}, {7, 6}, {8, 7}, {11, 8}, {12, 7}, {13, 6}};
const FieldList chainX7 = {{6, 1}, {2, 3}, {6, 7}, {10, 10}, {9, 13}, {16, 16}, {3, 17}};
const FieldList chainO7 = {{3, 3}, {4, 3}, {5, 3}, {6, 4}, {6, 5}, {7, 7}, {8, 8}, {9, 10}, {9, 11}, {9, 12}};

}  // namespace

class MasterSearchTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyBoardIsOpenedInTheCentre() {
        QCOMPARE(SearchMasterMove(Position({}, {}), 1), (Points{{10, 10}}));
    }

    void aWinInOneIsTaken() {
        // Its own four beats blocking the other's.
        const Board closedFour = Position({{5, 10}, {3, 15}, {4, 15}, {5, 15}, {6, 15}},
                                          {{6, 10}, {7, 10}, {8, 10}, {9, 10}, {2, 15}});
        QCOMPARE(SearchMasterMove(closedFour, 2), (Points{{10, 10}}));
        const Board brokenFour =
            Position({{5, 10}, {3, 3}, {4, 4}, {5, 5}}, {{6, 10}, {7, 10}, {9, 10}, {10, 10}});
        QCOMPARE(SearchMasterMove(brokenFour, 2), (Points{{8, 10}}));
        // Both ends of an open four win: both are offered.
        const Board openFour = Position({{3, 3}, {4, 4}, {5, 5}}, {{6, 10}, {7, 10}, {8, 10}, {9, 10}});
        QCOMPARE(SearchMasterMove(openFour, 2), (Points{{5, 10}, {10, 10}}));
    }

    void theOthersFourIsBlocked() {
        // Contestant 1's four (3..6, 3) against contestant 2's open three, which would be too slow.
        const Board b = Position({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, {{2, 3}, {10, 10}, {11, 10}, {12, 10}});
        QCOMPARE(SearchMasterMove(b, 2), (Points{{7, 3}}));
    }

    void anOpenThreeIsAnswered() {
        const Board b = Position({{8, 10}, {9, 10}, {10, 10}, {16, 16}}, {{9, 9}, {11, 12}, {5, 5}});
        const Points best = SearchMasterMove(b, 2);
        QVERIFY(!best.empty());
        const Points blocks = {{6, 10}, {7, 10}, {11, 10}, {12, 10}};
        for (const BoardPoint& p : best) QVERIFY(std::find(blocks.begin(), blocks.end(), p) != blocks.end());
    }

    void chainsOfFoursAreFoundAndPlayedThrough_data() {
        QTest::addColumn<FieldList>("x");
        QTest::addColumn<FieldList>("o");
        QTest::addColumn<int>("plies");
        QTest::newRow("three plies: a double four") << chainX3 << chainO3 << 3;
        QTest::newRow("five plies") << chainX5 << chainO5 << 5;
        QTest::newRow("seven plies") << chainX7 << chainO7 << 7;
    }
    void chainsOfFoursAreFoundAndPlayedThrough() {
        QFETCH(FieldList, x);
        QFETCH(FieldList, o);
        QFETCH(int, plies);
        QCOMPARE(PlyOfWin(Position(x, o), plies + 4), plies);
    }

    void aFourThreeIsConverted() {
        // (9, 10) makes a four along row 10 and an open three along column 9.
        const Board b = Position({{5, 10}, {3, 15}, {15, 3}}, {{6, 10}, {7, 10}, {8, 10}, {9, 11}, {9, 12}});
        QCOMPARE(SearchMasterMove(b, 2), (Points{{9, 10}}));
        QCOMPARE(PlyOfWin(b, 9), 5);
    }

    void fieldScoresRankTheWinAboveEverythingAndLeaveStonesAtZero() {
        Board b = Position({{5, 10}, {3, 3}}, {{6, 10}, {7, 10}, {8, 10}, {9, 10}});
        ScoreFieldsForMaster(b, 2);
        QVERIFY(b[10][10].value >= 50);  // "+++"
        int positive = 0;
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) {
                QVERIFY(b[x][y].value >= 0);
                if (b[x][y].state != fsEmpty)
                    QCOMPARE(b[x][y].value, 0);
                else if (!(x == 10 && y == 10))
                    QVERIFY(b[x][y].value < b[10][10].value);
                positive += b[x][y].value > 0;
            }
        QVERIFY(positive > 8);                 // the neighbourhood shows lesser moves too
        QCOMPARE(b[0][0].value, borderValue);  // the border ring is left alone
        QCOMPARE(b[20][1].value, 0);           // far from every stone
    }

    void theSameSeedPlaysTheSameMatch() {
        const auto play = [](std::uint32_t seed) {
            SeededRandom random(seed);
            Table t(CpuMaster, CpuAdvanced, 500, 500, &random);
            std::string record;
            t.host.onRepaint = [&] {
                for (int x = 1; x <= boardSize; ++x)
                    for (int y = 1; y <= boardSize; ++y) record += char('0' + t.m.board[x][y].state);
                record += '|';
            };
            t.Start(2);
            for (const std::string& q : t.host.questions) record += q;  // who won
            return record;
        };
        const std::string first = play(7);
        QCOMPARE(play(7), first);
        QVERIFY(first.find("Vyhrál Alfa") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(MasterSearchTest)
#include "test_master_search.moc"
