// SPDX-License-Identifier: GPL-3.0-or-later
// Each level through the protocol plays the field the game itself plays: a human's match against
// a computer in the match engine, and the engine fed the human's moves by TURN, with the field
// draws of the game's generator, give the same moves.

#include "support/engine_table.h"
#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/brain_session.h"

#include <QTest>

#include <vector>

using namespace karvelo;
using namespace karvelo::pbrain;
using karvelo::test::ScriptedRandom;
using karvelo::test::Table;

namespace {

// The game's generator, with every draw written down.
class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(std::uint32_t seed) : inner_(seed) {}
    std::vector<std::int32_t> draws;
    std::int32_t Next() override { return draws.emplace_back(inner_.Next()); }

private:
    SeededRandom inner_;
};

struct Point {
    int x, y;  // 1-based, as the board has them
};

// A field the engine's board has a stone of contestant 2 on and the earlier board had not.
Point NewStone(const Board& before, const Board& after) {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (after[x][y].state == 2 && before[x][y].state != 2) return {x, y};
    return {0, 0};
}

}  // namespace

class BrainLevelsTest : public QObject {
    Q_OBJECT

private slots:
    void sameMovesAsTheGame_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("humanMoves");
        QTest::addColumn<int>("leastCompared");  // a match can end before every human move
        for (int level = CpuNovice; level <= CpuAdvanced; ++level)
            for (uint seed : {1u, 2u, 3u})
                QTest::newRow(qPrintable(QString("level %1 seed %2").arg(level).arg(seed)))
                    << level << seed << 40 << 20;
        // The search is slower; a few moves show that it is called the same way.
        QTest::newRow("level 4") << int(CpuMaster) << 1u << 6 << 3;
    }
    void sameMovesAsTheGame() {
        QFETCH(int, level);
        QFETCH(uint, seed);
        QFETCH(int, humanMoves);
        QFETCH(int, leastCompared);

        // The game: a human (contestant 1, moving first) against the level (contestant 2).
        RecordingRandom gameRandom(seed);
        Table t(Human, level, 500, 500, &gameRandom);
        Board shown{};
        t.host.onRepaint = [&] { shown = t.m.board; };  // the computer's stone before the match ends
        t.Start(1);

        // The engine of the same level, fed the human's moves; its generator gives the field draws
        // the game made. The engine draws nothing else.
        ScriptedRandom brainRandom;
        BrainGame game(level, brainRandom);
        BrainSession session(game, "1.0");
        QCOMPARE(session.Handle("START 20"), std::vector<std::string>{"OK"});

        // The human plays as another level would, from a generator of its own, so that the match
        // lasts and has threats to block.
        SeededRandom humanRandom(seed + 1000);
        BrainGame human(level % 3 + 1, humanRandom);
        int compared = 0;
        for (int move = 0; move < humanMoves && t.m.matchRunning; ++move) {
            const FieldChoice humanMove = human.PlayOwnMove();
            const Point h{humanMove.x + 1, humanMove.y + 1};
            QCOMPARE(t.m.board[h.x][h.y].state, int(fsEmpty));
            const Board before = t.m.board;
            const std::size_t drawsBefore = gameRandom.draws.size();
            t.Click(h.x, h.y);
            // The human's symbol variant, then the computer's field and its variant; only the
            // human's variant when the human's move ended the match.
            if (gameRandom.draws.size() == drawsBefore + 1) break;
            QCOMPARE(gameRandom.draws.size(), drawsBefore + 3);
            const Point computer = NewStone(before, shown);
            QVERIFY(computer.x != 0);
            human.Place(computer.x - 1, computer.y - 1, Stone::opponent);

            brainRandom.draws = {gameRandom.draws[drawsBefore + 1]};
            const std::string turn = "TURN " + std::to_string(h.x - 1) + "," + std::to_string(h.y - 1);
            const std::vector<std::string> answer = session.Handle(turn);
            QCOMPARE(brainRandom.drawn, compared + 1);
            const std::string expected =
                std::to_string(computer.x - 1) + "," + std::to_string(computer.y - 1);
            QCOMPARE(answer.size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(answer[0]), QString::fromStdString(expected));
            ++compared;
        }
        QVERIFY2(compared >= leastCompared, qPrintable(QString::number(compared)));
    }
};

QTEST_GUILESS_MAIN(BrainLevelsTest)
#include "test_brain_levels.moc"
