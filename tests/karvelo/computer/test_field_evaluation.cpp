// SPDX-License-Identifier: GPL-3.0-or-later
// The three evaluation methods: their tables, worked positions, and what holds on any position.

#include "evaluation_reference.h"
#include "karvelo/computer/evaluation_method.h"
#include "karvelo/computer/field_evaluation.h"
#include "karvelo/computer/line_walk.h"
#include "karvelo/computer/run_credits.h"
#include "karvelo/computer/run_weight.h"
#include "support/positions.h"

#include <QTest>

using namespace karvelo;
using namespace karvelo::test;

Q_DECLARE_METATYPE(karvelo::EvaluationMethod)

namespace {

const char* LevelName(int type) {
    switch (type) {
    case CpuNovice:
        return "run credits";
    case CpuBeginner:
        return "line walk";
    default:
        return "run credits with gaps";
    }
}

// One row per computer level, contestant 2 on move; `expected` indexed by level 1..3.
void AddLevelRows(std::initializer_list<std::int32_t> expected) {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("expected");
    int type = CpuNovice;
    for (std::int32_t value : expected) {
        QTest::newRow(LevelName(type)) << type << value;
        ++type;
    }
}

// All eight neighbours of (10, 10).
const Fields neighbours = {{9, 9}, {10, 9}, {11, 9}, {9, 10}, {11, 10}, {9, 11}, {10, 11}, {11, 11}};

}  // namespace

class FieldEvaluationTest : public QObject {
    Q_OBJECT
private slots:
    // --- the building blocks ---

    void runWeight() {
        const std::int32_t expected[] = {0, 1, 6, 21, 52, 105};
        for (int n = 0; n <= 5; ++n) QCOMPARE(RunWeight(n), expected[n]);
    }

    void methodChoice_data() {
        QTest::addColumn<int>("onMove");
        QTest::addColumn<int>("type2");
        QTest::addColumn<EvaluationMethod>("method");
        QTest::newRow("novice on move") << 1 << 0 << EvaluationMethod::runCredits;
        QTest::newRow("beginner on move") << 2 << 3 << EvaluationMethod::lineWalk;
        QTest::newRow("advanced on move") << 3 << 1 << EvaluationMethod::runCreditsWithGaps;
        QTest::newRow("human, novice second") << 0 << 1 << EvaluationMethod::runCredits;
        QTest::newRow("human, beginner second") << 0 << 2 << EvaluationMethod::lineWalk;
        QTest::newRow("human, advanced second") << 0 << 3 << EvaluationMethod::runCreditsWithGaps;
        QTest::newRow("two humans") << 0 << 0 << EvaluationMethod::runCreditsWithGaps;
        QTest::newRow("damaged type 7 on move") << 7 << 1 << EvaluationMethod::runCreditsWithGaps;
        QTest::newRow("damaged type -1 on move") << -1 << 2 << EvaluationMethod::runCreditsWithGaps;
        QTest::newRow("human, damaged type 9 second") << 0 << 9 << EvaluationMethod::runCreditsWithGaps;
    }
    void methodChoice() {
        QFETCH(int, onMove);
        QFETCH(int, type2);
        QFETCH(EvaluationMethod, method);
        QCOMPARE(MethodFor(onMove, type2), method);
    }

    // --- run credits ---

    // What one run of n adds to an end field: both ends open, or the far end the opponent's.
    void runCreditTable_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<bool>("own");
        QTest::addColumn<int>("credit");
        const int table[4][4] = {{1, 1, 0, 0}, {4, 4, 1, 1}, {29, 49, 4, 4}, {76, 96, 69, 89}};
        for (int n = 1; n <= 4; ++n)
            for (int column = 0; column < 4; ++column) {
                const bool blocked = column >= 2, own = column % 2 == 1;
                QTest::addRow("n %d %s %s", n, blocked ? "one end" : "both ends", own ? "own" : "not own")
                    << n << blocked << own << table[n - 1][column];
            }
    }
    void runCreditTable() {
        QFETCH(int, n);
        QFETCH(bool, blocked);
        QFETCH(bool, own);
        QFETCH(int, credit);
        MatchState m = ComputerOnMove(CpuNovice);
        for (int k = 0; k < n; ++k) Put(m, 1, {{6 + k, 10}});
        if (blocked) Put(m, 2, {{6 + n, 10}});
        CreditRunEnds(m.board, 1, 0, 6, 10, 1, n, own ? 1 : 2);
        QCOMPARE(ValueAt(m, 5, 10), credit);
        QCOMPARE(ValueAt(m, 6 + n, 10), blocked ? 0 : credit);
        // The mirror image: the opponent before the run, the open end after it.
        MatchState mirror = ComputerOnMove(CpuNovice);
        for (int k = 0; k < n; ++k) Put(mirror, 1, {{6 + k, 10}});
        if (blocked) Put(mirror, 2, {{5, 10}});
        CreditRunEnds(mirror.board, 1, 0, 6, 10, 1, n, own ? 1 : 2);
        QCOMPARE(ValueAt(mirror, 6 + n, 10), credit);
    }

    void runCreditsThreeAndFour() {
        MatchState three = ComputerOnMove(CpuNovice);
        Put(three, 1, {{9, 10}, {10, 10}, {11, 10}});
        three = Evaluated(three);
        QCOMPARE(ValueAt(three, 8, 10), 29);
        QCOMPARE(ValueAt(three, 12, 10), 29);

        MatchState four = ComputerOnMove(CpuNovice);
        Put(four, 1, {{8, 10}, {9, 10}, {10, 10}, {11, 10}});
        const MatchState theirs = Evaluated(four);
        QCOMPARE(ValueAt(theirs, 7, 10), 76);
        QCOMPARE(ValueAt(theirs, 12, 10), 76);
        Put(four, 2, {{8, 10}, {9, 10}, {10, 10}, {11, 10}});
        const MatchState own = Evaluated(four);
        QCOMPARE(ValueAt(own, 7, 10), 96);
        QCOMPARE(ValueAt(own, 12, 10), 96);

        Put(four, 1, {{8, 10}, {9, 10}, {10, 10}, {11, 10}});
        Put(four, 2, {{12, 10}});
        QCOMPARE(ValueAt(Evaluated(four), 7, 10), 69);
    }

    void runCreditsAgainstTheBorderEarnNothing() {
        MatchState m = ComputerOnMove(CpuNovice);
        Put(m, 1, {{1, 10}, {2, 10}, {3, 10}});
        QCOMPARE(ValueAt(Evaluated(m), 4, 10), 0);
    }

    void runCreditsStopAtAFive() {
        MatchState m = ComputerOnMove(CpuNovice);
        Put(m, 1, {{3, 3}, {4, 3}});
        Put(m, 2, {{12, 5}, {12, 6}, {12, 7}, {12, 8}, {12, 9}, {12, 10}});
        EvaluateFields(m);
        QCOMPARE(m.gameOver, 1);
        for (int y = 5; y <= 10; ++y) QCOMPARE(m.board[12][y].picture, 8);
        // Contestant 1's pair at x 3..4 was examined before the five at x 12; nothing after it.
        QCOMPARE(ValueAt(m, 5, 3), 4);
        QCOMPARE(ValueAt(m, 12, 11), 0);
        QCOMPARE(ValueAt(m, 13, 4), 0);
    }

    // --- run credits with gaps ---

    void gapCredits() {
        MatchState m = ComputerOnMove(CpuAdvanced);
        Put(m, 1, {{8, 10}, {9, 10}, {11, 10}});
        m = Evaluated(m);
        QCOMPARE(ValueAt(m, 10, 10), 4 + 1 + RunWeight(3));
        QCOMPARE(ValueAt(m, 7, 10), 4);

        MatchState twoGapTwo = ComputerOnMove(CpuAdvanced);
        Put(twoGapTwo, 1, {{5, 4}, {6, 4}, {8, 4}, {9, 4}});
        // Both pairs credit the gap with 4; the first adds RunWeight(4) = 52.
        QCOMPARE(ValueAt(Evaluated(twoGapTwo), 7, 4), 4 + 4 + 52);
    }

    void gapClosedByTheOpponentCountsOneLess() {
        MatchState m = ComputerOnMove(CpuAdvanced);
        Put(m, 1, {{5, 4}, {6, 4}, {8, 4}, {9, 4}});
        Put(m, 2, {{10, 4}});
        // k = 2 - 1: RunWeight(3) instead of 52; the closed pair still credits the gap with 1.
        QCOMPARE(ValueAt(Evaluated(m), 7, 4), 4 + 1 + 21);

        MatchState single = ComputerOnMove(CpuAdvanced);
        Put(single, 1, {{5, 4}, {6, 4}, {8, 4}});
        Put(single, 2, {{9, 4}});
        // k = 0: no gap credit at all.
        QCOMPARE(ValueAt(Evaluated(single), 7, 4), 4 + 0);
    }

    // --- line walk ---

    void lineWalkStepTable() {
        Field empty1, empty2, mine{1, 0, 0}, theirs{2, 0, 0}, border{fsBorder, borderValue, 0};
        LineWalkCounters c;
        LineWalkStep(border, 1, c);
        QCOMPARE(c.R, -1);
        QCOMPARE(c.L, nullptr);
        LineWalkStep(mine, 1, c);  // the first symbol after a blocking field counts one less
        QCOMPARE(c.R, 0);
        QCOMPARE(c.T, 1);
        QCOMPARE(c.S, 0);
        LineWalkStep(mine, 1, c);
        QCOMPARE(c.R, 1);
        QCOMPARE(c.T, 2);
        QCOMPARE(c.S, 1);
        LineWalkStep(empty1, 1, c);  // T 2 > R 1: the pending weight RunWeight(1)
        QCOMPARE(empty1.value, 1);
        QCOMPARE(c.L, &empty1);
        QCOMPARE(c.E, 1);
        QCOMPARE(c.T, 0);
        LineWalkStep(empty2, 1, c);  // L gets RunWeight(0); T 0 <= R: RunWeight(0)
        QCOMPARE(empty1.value, 1);
        QCOMPARE(empty2.value, 0);
        QCOMPARE(c.L, &empty2);
        LineWalkStep(theirs, 1, c);  // R 1 -> 0, S 0: L gets nothing, then everything is reset
        QCOMPARE(empty2.value, 0);
        QCOMPARE(c.R, -1);
        QCOMPARE(c.L, nullptr);
        QCOMPARE(c.E, 0);
        QCOMPARE(theirs.value, 0);
        QCOMPARE(border.value, borderValue);
    }

    void lineWalkThreeEmptyFieldsRestartTheTally() {
        Field border{fsBorder, borderValue, 0}, e[3];
        LineWalkCounters c;
        LineWalkStep(border, 1, c);
        for (Field& f : e) LineWalkStep(f, 1, c);
        QCOMPARE(c.E, 3);
        QCOMPARE(c.R, 0);
    }

    void lineWalkExamples() {
        MatchState four = ComputerOnMove(CpuBeginner);
        Put(four, 1, {{8, 10}, {9, 10}, {10, 10}, {11, 10}});
        const MatchState open = Evaluated(four);
        QCOMPARE(ValueAt(open, 7, 10), 52);
        QCOMPARE(ValueAt(open, 12, 10), 52);
        Put(four, 2, {{12, 10}});
        QCOMPARE(ValueAt(Evaluated(four), 7, 10), 21);

        MatchState border = ComputerOnMove(CpuBeginner);
        Put(border, 1, {{1, 10}, {2, 10}, {3, 10}});
        QCOMPARE(ValueAt(Evaluated(border), 4, 10), RunWeight(2));
    }

    // Walking a line backwards changes the result, so each walk's direction is pinned down here:
    // a pair and a single symbol on each kind of line, read from both sides.
    void lineWalkDirections() {
        struct Line {
            const char* name;
            int dx, dy;
        };
        for (const Line line : {Line{"column", 0, 1}, Line{"row", 1, 0}, Line{"diagonal", 1, 1},
                                Line{"anti-diagonal", -1, 1}}) {
            MatchState m = ComputerOnMove(CpuBeginner);
            // Walk order: pair, gap, single; the first field (a) precedes the pair.
            auto at = [&](int k) { return std::pair{10 + k * line.dx, 7 + k * line.dy}; };
            Put(m, 1, {at(1), at(2), at(4)});
            m = Evaluated(m);
            // Before the pair: RunWeight(2); the gap: 6 + 21 as in the row example; after: 1.
            QVERIFY2(ValueAt(m, at(0).first, at(0).second) == 6, line.name);
            QVERIFY2(ValueAt(m, at(3).first, at(3).second) == 27, line.name);
            QVERIFY2(ValueAt(m, at(5).first, at(5).second) == 1, line.name);
        }
    }

    // --- worked positions under all three methods ---

    void emptyBoardIsWorthNothing_data() { AddLevelRows({0, 0, 0}); }
    void emptyBoardIsWorthNothing() {
        QFETCH(int, type);
        const MatchState m = Evaluated(ComputerOnMove(type));
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) QCOMPARE(ValueAt(m, x, y), 0);
    }

    void oneStoneCreditsItsNeighbours_data() { AddLevelRows({1, 1, 1}); }
    void oneStoneCreditsItsNeighbours() {
        QFETCH(int, type);
        QFETCH(int, expected);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{10, 10}});
        m = Evaluated(m);
        int credited = 0;
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                if (ValueAt(m, x, y) != 0) {
                    ++credited;
                    QVERIFY(std::abs(x - 10) <= 1 && std::abs(y - 10) <= 1);
                }
        QCOMPARE(credited, 8);
        for (auto [x, y] : neighbours) QCOMPARE(ValueAt(m, x, y), expected);
    }

    void threeInARow_data() { AddLevelRows({29, 21, 29}); }
    void threeInARow() {
        QFETCH(int, type);
        QFETCH(int, expected);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{9, 10}, {10, 10}, {11, 10}});
        m = Evaluated(m);
        QCOMPARE(ValueAt(m, 8, 10), expected);
        QCOMPARE(ValueAt(m, 12, 10), expected);
        const std::int32_t slope[] = {1, 2, 3, 2, 1};
        for (int x = 8; x <= 12; ++x) {
            QCOMPARE(ValueAt(m, x, 9), slope[x - 8]);
            QCOMPARE(ValueAt(m, x, 11), slope[x - 8]);
        }
    }

    void threeEnclosedByTheOpponent_data() { AddLevelRows({0, 0, 0}); }
    void threeEnclosedByTheOpponent() {
        QFETCH(int, type);
        QFETCH(int, expected);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{9, 10}, {10, 10}, {11, 10}});
        Put(m, 2, {{8, 10}, {12, 10}});
        m = Evaluated(m);
        // No other line through these two fields holds a symbol.
        QCOMPARE(ValueAt(m, 7, 10), expected);
        QCOMPARE(ValueAt(m, 13, 10), expected);
    }

    void brokenThree_data() { AddLevelRows({5, 27, 26}); }
    void brokenThree() {
        QFETCH(int, type);
        QFETCH(int, expected);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{8, 10}, {9, 10}, {11, 10}});
        m = Evaluated(m);
        QCOMPARE(ValueAt(m, 10, 10), expected);
        QCOMPARE(ValueAt(m, 7, 10), type == CpuBeginner ? 6 : 4);
    }

    void twoHumansSeeRunCreditsWithGaps() {
        MatchState m = ComputerOnMove(Human);
        m.playerOnMove = 1;
        Put(m, 1, {{8, 10}, {9, 10}, {11, 10}});
        QCOMPARE(ValueAt(Evaluated(m), 10, 10), 26);
        m.playerOnMove = 2;
        QCOMPARE(ValueAt(Evaluated(m), 10, 10), 26);
    }

    // A human on move sees the values of contestant 2's level, with the human's runs as own.
    void humanOnMoveSeesTheSecondContestantsMethod() {
        MatchState m = ComputerOnMove(CpuBeginner);
        m.playerOnMove = 1;
        Put(m, 1, {{8, 10}, {9, 10}, {11, 10}});
        QCOMPARE(ValueAt(Evaluated(m), 10, 10), 27);
        m.contestantType2 = CpuNovice;
        Put(m, 1, {{3, 3}, {4, 3}, {5, 3}});
        QCOMPARE(ValueAt(Evaluated(m), 6, 3), 49);
    }

    // --- any position ---

    // Occupied fields 0, empty playable fields 0 or more, the border -1000, whatever the method,
    // whoever is on move, and however damaged the type codes are; the values do not depend on
    // what the table held before.
    void valueInvariantsOnRandomPositions() {
        std::mt19937 gen(20261209);
        const std::int32_t types[] = {Human, CpuNovice, CpuBeginner, CpuAdvanced, 7, -1};
        for (int round = 0; round < 600; ++round) {
            MatchState m = ComputerOnMove(types[round % 6]);
            m.contestantType1 = types[(round / 6) % 6];
            m.playerOnMove = round % 2 + 1;
            ScatterStones(m, gen, round % 300);
            for (int x = 0; x < boardSpan; ++x)
                for (int y = 0; y < boardSpan; ++y) m.board[x][y].value = int(gen() % 2000) - 1000;
            MatchState once = Evaluated(m);
            const MatchState twice = Evaluated(once);
            for (int x = 0; x < boardSpan; ++x)
                for (int y = 0; y < boardSpan; ++y) {
                    const Field& f = once.board[x][y];
                    if (f.state == fsBorder)
                        QCOMPARE(f.value, borderValue);
                    else if (f.state == fsEmpty)
                        QVERIFY(f.value >= 0);
                    else
                        QCOMPARE(f.value, 0);
                    if (m.gameOver == 0 && once.gameOver == 0) QCOMPARE(twice.board[x][y].value, f.value);
                }
        }
    }

    // The benchmarks' plain reference implementations, written separately over flat arrays, give
    // the same values on any position, for either contestant on move; with a five both stop at it.
    void agreesWithThePlainReference() {
        std::mt19937 gen(31);
        for (int round = 0; round < 450; ++round) {
            const int type = round % 3 + 1;
            MatchState m = ComputerOnMove(type);
            m.playerOnMove = round % 2 + 1;
            m.contestantType1 = type;
            ScatterStones(m, gen, (round * 7) % 250);
            const MatchState e = Evaluated(m);
            int state[reference::span * reference::span], value[reference::span * reference::span];
            for (int x = 0; x < boardSpan; ++x)
                for (int y = 0; y < boardSpan; ++y) state[x * boardSpan + y] = m.board[x][y].state;
            if (type == CpuNovice) reference::RunCredits(state, value, m.playerOnMove);
            if (type == CpuBeginner) reference::LineWalk(state, value);
            if (type == CpuAdvanced) reference::RunCreditsWithGaps(state, value, m.playerOnMove);
            for (int x = 0; x < boardSpan; ++x)
                for (int y = 0; y < boardSpan; ++y) QCOMPARE(e.board[x][y].value, value[x * boardSpan + y]);
        }
    }

    // A damaged type code values the board as the advanced level does.
    void damagedTypesUseRunCreditsWithGaps() {
        std::mt19937 gen(7);
        for (int round = 0; round < 100; ++round) {
            MatchState reference = ComputerOnMove(CpuAdvanced);
            ScatterStones(reference, gen, 30 + round);
            reference.gameOver = 0;
            MatchState damaged = reference;
            damaged.contestantType2 = round % 2 ? 7 : 9;
            MatchState human = reference;
            human.contestantType1 = -1;
            human.contestantType2 = CpuNovice;
            human.playerOnMove = 1;
            MatchState humanReference = reference;
            humanReference.playerOnMove = 1;
            const MatchState a = Evaluated(reference), b = Evaluated(damaged);
            const MatchState c = Evaluated(human), d = Evaluated(humanReference);
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y) {
                    QCOMPARE(b.board[x][y].value, a.board[x][y].value);
                    QCOMPARE(c.board[x][y].value, d.board[x][y].value);
                }
        }
    }
};

QTEST_GUILESS_MAIN(FieldEvaluationTest)
#include "test_field_evaluation.moc"
