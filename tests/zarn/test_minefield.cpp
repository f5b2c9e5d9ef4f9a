// SPDX-License-Identifier: GPL-3.0-or-later
// The field model without a window: mine laying, counting mines around, the win test.

#include "support/minefield_art.h"
#include "support/scripted_random.h"
#include "zarn/rules/difficulty.h"
#include "zarn/rules/minefield.h"
#include "zarn/rules/timing.h"

#include <QTest>

using namespace zarn;
using zarn::test::ScriptedRandom;

class MinefieldTest : public QObject {
    Q_OBJECT

private slots:
    void laysTheTargetAtEveryDifficulty_data() {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("mines");
        QTest::newRow("Lehká") << int(kLehka) << 10 << 12;
        QTest::newRow("Střední") << int(kStredni) << 15 << 36;
        QTest::newRow("Těžká") << int(kTezka) << 20 << 84;
    }
    void laysTheTargetAtEveryDifficulty() {
        QFETCH(int, difficulty);
        QFETCH(int, side);
        QFETCH(int, mines);
        ClockSeededSource random;
        Minefield field;
        field.difficulty = difficulty;
        field.ApplyDifficulty();
        QCOMPARE(field.Side(), side);
        for (int game = 0; game < 20; ++game) {
            field.LayNewField(random);
            QCOMPARE(field.minesPlaced, mines);
            int mineCells = 0;
            for (int r = 0; r <= side + 1; ++r) {
                for (int c = 0; c <= side + 1; ++c) {
                    const int state = field.cells[r][c];
                    const bool ring = r == 0 || c == 0 || r == side + 1 || c == side + 1;
                    if (ring)
                        QCOMPARE(state, int(csBorder));
                    else
                        QVERIFY(state == csCovered || state == csMine);
                    mineCells += state == csMine ? 1 : 0;
                }
            }
            QCOMPARE(mineCells, mines);
            QVERIFY(!field.IsWon());
        }
    }

    void drawsRowBeforeColumnAndDiscardsRepeats() {
        Minefield field;
        field.fieldSize = 9;
        field.mineTarget = 3;
        // (3, 6), the same again (discarded), then the last row and column, then (1, 1).
        ScriptedRandom random({2, 5, 2, 5, 9, 9, 0, 0});
        field.LayNewField(random);
        QCOMPARE(random.taken, 8);
        QCOMPARE(field.minesPlaced, 3);
        QCOMPARE(field.cells[3][6], int(csMine));
        QCOMPARE(field.cells[6][3], int(csCovered));
        QCOMPARE(field.cells[10][10], int(csMine));
        QCOMPARE(field.cells[1][1], int(csMine));
    }

    void drawsModuloTheFieldSide() {
        Minefield field;
        field.fieldSize = 14;
        field.mineTarget = 1;
        ScriptedRandom random({15 * 7 + 14, 15 * 1000 + 3});
        field.LayNewField(random);
        QCOMPARE(field.cells[15][4], int(csMine));
    }

    void randomBelowZeroDoesNotDraw() {
        ScriptedRandom random({7});
        QCOMPARE(RandomBelow(random, 0), 0);
        QCOMPARE(random.taken, 0);
        QCOMPARE(RandomBelow(random, 5), 2);
    }

    void newFieldResetsAnEarlierLargerOne() {
        Minefield field;
        field.difficulty = kTezka;
        field.ApplyDifficulty();
        ClockSeededSource random;
        field.LayNewField(random);
        field.difficulty = kLehka;
        field.ApplyDifficulty();
        field.LayNewField(random);
        for (int i = 0; i <= 11; ++i) {
            QCOMPARE(field.cells[11][i], int(csBorder));
            QCOMPARE(field.cells[i][11], int(csBorder));
        }
    }

    void minesAroundCorners() {
        Minefield field;
        zarn::test::LayField(field, {"*.*", "**.", "..*"});
        QCOMPARE(field.MinesAround(1, 1), 2);  // (1,2) no, (2,1) and (2,2) yes; the ring never counts
        QCOMPARE(field.MinesAround(1, 3), 1);
        QCOMPARE(field.MinesAround(3, 1), 2);
        QCOMPARE(field.MinesAround(3, 3), 1);
        QCOMPARE(field.MinesAround(2, 2), 4);  // the field itself does not count
        QCOMPARE(field.MinesAround(3, 2), 3);
    }

    void wonWhenNoSafeFieldIsCovered() {
        Minefield field;
        zarn::test::LayField(field, {"*.", ".."});
        QVERIFY(!field.IsWon());
        field.cells[1][2] = csNumber;
        field.cells[2][1] = csNumber;
        QVERIFY(!field.IsWon());
        field.cells[2][2] = csBlank;
        QVERIFY(field.IsWon());
    }

    void timeLimitOnlyAtStredniOnceAGameRuns() {
        QVERIFY(TimeLimitReached(kStredni, 14, 452.0, 2));
        QVERIFY(!TimeLimitReached(kStredni, 14, 451.999, 2));
        QVERIFY(!TimeLimitReached(kLehka, 14, 900.0, 2));
        QVERIFY(!TimeLimitReached(kTezka, 9, 900.0, 2));
        QVERIFY(!TimeLimitReached(kStredni, 0, 900.0, 0));  // no game started yet
        QVERIFY(TimeLimitReached(kStredni, 9, 900.0, 0));   // a Lehká field, Střední chosen since
    }
};

QTEST_APPLESS_MAIN(MinefieldTest)
#include "test_minefield.moc"
