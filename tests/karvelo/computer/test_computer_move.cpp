// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's choice of field, its moves within the turn cycle, and long series of computer
// matches.

#include "karvelo/computer/computer_move.h"
#include "karvelo/computer/field_evaluation.h"
#include "karvelo/match/five_in_row.h"
#include "support/engine_table.h"
#include "support/positions.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <set>

using namespace karvelo;
using namespace karvelo::test;

namespace {

using FieldSet = std::set<std::pair<int, int>>;

// The fields a computer of this level may take in m: every field it picks for draws 0..count-1.
FieldSet ChoicesOf(const MatchState& position, int draws = 16) {
    FieldSet chosen;
    for (int r = 0; r < draws; ++r) {
        MatchState m = Evaluated(position);
        ScriptedRandom random;
        random.draws = {r};
        const FieldChoice c = ChooseComputerField(m, random);
        if (c.found) chosen.insert({c.x, c.y});
    }
    return chosen;
}

std::int32_t BestValue(const MatchState& m) {
    std::int32_t best = 0;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) best = std::max(best, m.board[x][y].value);
    return best;
}

void AddLevels() {
    QTest::addColumn<int>("type");
    QTest::newRow("novice") << int(CpuNovice);
    QTest::newRow("beginner") << int(CpuBeginner);
    QTest::newRow("advanced") << int(CpuAdvanced);
}

}  // namespace

class ComputerMoveTest : public QObject {
    Q_OBJECT
private slots:
    void firstMoveOnAnEmptyBoardTakesTheCentre_data() { AddLevels(); }
    void firstMoveOnAnEmptyBoardTakesTheCentre() {
        QFETCH(int, type);
        Table t(Human, type);
        t.random.draws = {12345, 1};
        t.Start(2);
        QCOMPARE(t.m.board[10][10].state, 2);
        QCOMPARE(t.m.board[10][10].picture, 1 % 3 + 4);
        QCOMPARE(t.Stones(), 1);
        QCOMPARE(t.random.drawn, 2);  // the field (a choice of one), then the variant
        QCOMPARE(t.m.playerOnMove, 1);
        QCOMPARE(t.m.moveCount, 2);
    }

    void eachNeighbourOfASingleStoneIsEquallyLikely_data() { AddLevels(); }
    void eachNeighbourOfASingleStoneIsEquallyLikely() {
        QFETCH(int, type);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{10, 10}});
        // Draws 0..7 name the eight neighbours in scan order, one each; 8 starts again.
        const FieldSet eight = ChoicesOf(m, 8);
        QCOMPARE(eight, (FieldSet{{9, 9}, {9, 10}, {9, 11}, {10, 9}, {10, 11}, {11, 9}, {11, 10}, {11, 11}}));
        MatchState again = Evaluated(m);
        ScriptedRandom random;
        random.draws = {8 + 3};
        const FieldChoice c = ChooseComputerField(again, random);
        QCOMPARE(std::pair(c.x, c.y), std::pair(10, 9));
    }

    void cornerStoneLeavesTheCentre_data() { AddLevels(); }
    void cornerStoneLeavesTheCentre() {
        QFETCH(int, type);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{1, 1}});
        QCOMPARE(BestValue(Evaluated(m)), 0);
        QCOMPARE(ChoicesOf(m), (FieldSet{{10, 10}}));
    }

    void openFourIsCompleted_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("worth");
        QTest::newRow("novice") << int(CpuNovice) << 96;
        QTest::newRow("beginner") << int(CpuBeginner) << 52;
        QTest::newRow("advanced") << int(CpuAdvanced) << 96;
    }
    void openFourIsCompleted() {
        QFETCH(int, type);
        QFETCH(int, worth);
        MatchState m = ComputerOnMove(type);
        Put(m, 2, {{10, 10}, {11, 10}, {12, 10}, {13, 10}});
        Put(m, 1, {{3, 15}, {5, 5}, {17, 17}, {15, 3}});
        const MatchState e = Evaluated(m);
        QCOMPARE(ValueAt(e, 9, 10), worth);
        QCOMPARE(ValueAt(e, 14, 10), worth);
        QCOMPARE(BestValue(e), worth);
        QCOMPARE(ChoicesOf(m), (FieldSet{{9, 10}, {14, 10}}));

        // Played through the turn cycle: the human's last stone, the computer's five, the end.
        for (int r = 0; r < 2; ++r) {
            Table t(Human, type);
            t.Start(1);
            Put(t.m, 2, {{10, 10}, {11, 10}, {12, 10}, {13, 10}});
            Put(t.m, 1, {{3, 15}, {5, 5}, {17, 17}});
            t.random.draws = {0, r};
            t.Click(15, 3);
            QCOMPARE(t.host.questions.back(), std::string("Vyhrál Beta|Chcete začít další zápas?"));
        }
    }

    void fourOfTheOpponentAgainstOwnThree_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<FieldSet>("choices");
        const FieldSet block{{2, 3}, {7, 3}};
        QTest::newRow("novice") << int(CpuNovice) << block;
        QTest::newRow("beginner") << int(CpuBeginner) << FieldSet{{2, 3}, {7, 3}, {9, 10}, {13, 10}};
        QTest::newRow("advanced") << int(CpuAdvanced) << block;
    }
    void fourOfTheOpponentAgainstOwnThree() {
        QFETCH(int, type);
        QFETCH(FieldSet, choices);
        MatchState m = ComputerOnMove(type);
        Put(m, 1, {{3, 3}, {4, 3}, {5, 3}, {6, 3}});
        Put(m, 2, {{10, 10}, {11, 10}, {12, 10}});
        const MatchState e = Evaluated(m);
        if (type == CpuBeginner) {
            for (auto [x, y] : choices) QCOMPARE(ValueAt(e, x, y), 21);
        } else {
            QCOMPARE(ValueAt(e, 2, 3), 76);
            QCOMPARE(ValueAt(e, 9, 10), 49);
        }
        QCOMPARE(ChoicesOf(m), choices);
    }

    void drawsTheFieldThenTheVariant() {
        Table t(Human, CpuAdvanced);
        t.Start(1);
        t.random.draws = {0, 1, 2};  // the human's variant, then the computer's field and variant
        t.Click(10, 10);
        QCOMPARE(t.random.drawn, 3);
        // Field draw 1: the second neighbour in scan order, (9, 10); variant 2 of contestant 2.
        QCOMPARE(t.m.board[9][10].state, 2);
        QCOMPARE(t.m.board[9][10].picture, 6);
    }

    // The values left after the move are those of the computer's own method, computed with the
    // computer still on move; they are what the board shows.
    void valuesAfterTheMoveAreTheMoversView() {
        Table t(Human, CpuNovice);
        t.Start(1);
        Put(t.m, 2, {{10, 10}, {11, 10}});
        t.random.draws = {0, 0, 0};
        t.Click(3, 3);
        MatchState check = t.m;
        check.playerOnMove = 2;
        check = Evaluated(check);
        for (int x = 0; x < boardSpan; ++x)
            for (int y = 0; y < boardSpan; ++y) QCOMPARE(t.m.board[x][y].value, check.board[x][y].value);
    }

    // --- the fall-backs ---

    // Late in a long match every empty field can be worth nothing while the centre is taken.
    void occupiedCentreWithNothingWorthTakesARandomEmptyField() {
        MatchState m = ComputerOnMove(CpuNovice);
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 2; y <= 19; ++y) Put(m, (x / 2 + y) % 2 + 1, {{x, y}});
        ResetFieldValues(m);  // no positive value anywhere
        FieldSet seen;
        for (int r = 0; r < 40; ++r) {
            MatchState copy = m;
            ScriptedRandom random;
            random.draws = {r};
            const FieldChoice c = ChooseComputerField(copy, random);
            QVERIFY(c.found);
            QCOMPARE(copy.board[c.x][c.y].state, int(fsEmpty));
            QCOMPARE(random.drawn, 1);
            seen.insert({c.x, c.y});
        }
        QCOMPARE(seen.size(), size_t(40));  // each of the 40 empty fields can be drawn
    }

    void fullBoardGivesNoField() {
        MatchState m = ComputerOnMove(CpuAdvanced);
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) Put(m, (x / 2 + y) % 2 + 1, {{x, y}});
        ScriptedRandom random;
        QVERIFY(!ChooseComputerField(m, random).found);
    }

    // The computer's move that fills the board ends the match as a draw, scores unchanged.
    void computerFillingTheBoardDraws() {
        Table t(Human, CpuAdvanced);
        t.Start(1);
        // Pairs along the rows, single stones down the columns: nowhere five.
        auto owner = [](int x, int y) { return (x / 2 + y) % 2 + 1; };
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                if (y != 20 || x < 19) Put(t.m, owner(x, y), {{x, y}});
        QCOMPARE(owner(20, 20), 1);
        QCOMPARE(owner(19, 20), 2);
        t.m.moveCount = 399;
        t.Click(20, 20);
        QCOMPARE(t.host.questions, std::vector<std::string>{"Remíza|Chcete začít další zápas?"});
        QCOMPARE(t.roster.roster[0].score, 500);
        QCOMPARE(t.roster.roster[1].score, 500);
        QCOMPARE(t.host.calls.back(), std::string("setup"));
    }

    // --- any position ---

    // Over many positions and every level: the computer's field is empty and of the highest value.
    void theChoiceIsAlwaysOneOfTheBest() {
        std::mt19937 gen(99);
        for (int round = 0; round < 900; ++round) {
            MatchState m = ComputerOnMove(round % 3 + 1);
            ScatterStones(m, gen, round % 300);
            m = Evaluated(m);
            if (m.gameOver) continue;
            const std::int32_t best = BestValue(m);
            SeededRandom random(round);
            MatchState chosen = m;
            const FieldChoice c = ChooseComputerField(chosen, random);
            QVERIFY(c.found);
            QCOMPARE(m.board[c.x][c.y].state, int(fsEmpty));
            if (best > 0) QCOMPARE(m.board[c.x][c.y].value, best);
        }
    }

    // --- whole matches ---

    // A damaged type code above the levels plays as the advanced level and places only on empty
    // fields, to the end of the match.
    void damagedTypeCodePlaysOnEmptyFields() {
        for (int seed = 1; seed <= 10; ++seed) {
            SeededRandom random(seed);
            Table t(7, CpuNovice, 500, 500, &random);
            int stones = 0;
            bool consistent = true;
            t.host.onRepaint = [&] {
                const int now = t.Stones();
                if (now != 0 && now != stones && now != stones + 1) consistent = false;
                stones = now;
            };
            t.Start(seed % 2 + 1);
            QVERIFY(consistent);
            QCOMPARE(t.host.questions.size(), size_t(1));
            QVERIFY(t.m.moveCount == 0 && t.m.matchRunning == 0);
        }
    }

    // A negative type code is no computer level: that contestant places by clicks, and the board
    // shows the advanced level's values for it.
    void negativeTypeCodeClicksLikeAHuman() {
        Table t(-1, CpuNovice);
        t.Start(1);
        t.random.draws = {0, 0, 0};
        t.Click(5, 5);
        QCOMPARE(t.m.board[5][5].state, 1);
        QCOMPARE(t.Stones(), 2);  // and the novice replied
        QCOMPARE(t.m.playerOnMove, 1);
        Put(t.m, 1, {{8, 10}, {9, 10}, {11, 10}});
        EvaluateFields(t.m);
        QCOMPARE(ValueAt(t.m, 10, 10), 26);
    }

    // Two humans see the advanced level's values after every move, whoever moved.
    void twoHumansSeeRunCreditsWithGapsAfterEveryMove() {
        Table t(Human, Human);
        t.Start(1);
        t.Click(8, 10);
        t.Click(1, 1);
        t.Click(9, 10);
        t.Click(1, 3);
        t.Click(11, 10);
        QCOMPARE(ValueAt(t.m, 10, 10), 26);
        t.Click(10, 11);
        MatchState check = t.m;
        check.contestantType2 = CpuAdvanced;
        check.playerOnMove = 2;
        check = Evaluated(check);
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) QCOMPARE(t.m.board[x][y].value, check.board[x][y].value);
    }

    // Answered Yes again and again, the series goes on with the loser first, and the matches do
    // not nest: 200 matches with the real levels ask every question from the same stack depth.
    void twoHundredComputerMatchesKeepAFlatStack() {
        SeededRandom random(2026);
        Table t(CpuAdvanced, CpuBeginner, 500, 500, &random);
        t.host.answers = std::deque<bool>(199, true);
        std::vector<int> firstMovers;
        std::vector<std::string> captions;
        t.host.onRepaint = [&] {
            if (t.Stones() == 0) firstMovers.push_back(t.m.playerOnMove);
        };
        t.Start(1);
        QCOMPARE(t.host.questions.size(), size_t(200));
        QCOMPARE(t.host.calls.back(), std::string("setup"));
        // A won and a drawn match end through different calls; each kind always at one depth.
        std::map<bool, const void*> depthOf;
        int draws = 0;
        for (size_t i = 0; i < 200; ++i) {
            const bool drawn = t.host.questions[i].rfind("Remíza", 0) == 0;
            draws += drawn;
            const void* address = t.host.questionStackAddresses[i];
            if (!depthOf.count(drawn)) depthOf[drawn] = address;
            QCOMPARE(address, depthOf[drawn]);
        }
        QVERIFY(draws < 200);
        // Every next match begins with the loser of the one before.
        QCOMPARE(firstMovers.size(), size_t(200));
        for (size_t i = 1; i < 200; ++i) {
            const std::string& q = t.host.questions[i - 1];
            const int loser = q.rfind("Vyhrál Alfa", 0) == 0 ? 2 : q.rfind("Vyhrál Beta", 0) == 0 ? 1 : 0;
            if (loser != 0) QCOMPARE(firstMovers[i], loser);
        }
    }
};

QTEST_GUILESS_MAIN(ComputerMoveTest)
#include "test_computer_move.moc"
