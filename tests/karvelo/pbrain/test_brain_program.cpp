// SPDX-License-Identifier: GPL-3.0-or-later
// The installed form of the engine: the built pbrain-karvelo through a pipe, answering each line
// as it comes (a manager waits for every answer before it sends on).

#include "karvelo/computer/computer_move.h"

#include <QProcess>
#include <QTest>

using namespace karvelo;

namespace {

// Generous: only a hung program would wait this long.
constexpr int patienceMs = 30000;

QString ReadAnswer(QProcess& engine) {
    while (!engine.canReadLine())
        if (!engine.waitForReadyRead(patienceMs)) return "(no answer)";
    return QString::fromUtf8(engine.readLine()).trimmed();
}

}  // namespace

class BrainProgramTest : public QObject {
    Q_OBJECT

private slots:
    void shortSession() {
        QProcess engine;
        engine.start(PBRAIN_PROGRAM, {"--level", "1", "--seed", "7"});
        QVERIFY(engine.waitForStarted(patienceMs));

        engine.write("START 20\r\n");
        QCOMPARE(ReadAnswer(engine), QStringLiteral("OK"));

        // What the game's CPU nováček, drawing from a generator seeded 7, answers to a stone in
        // the centre.
        MatchState m;
        ResetBoard(m);
        m.board[11][11].state = 2;
        m.playerOnMove = 1;
        m.contestantType1 = m.contestantType2 = CpuNovice;
        SeededRandom random(7);
        const FieldChoice expected = ChooseComputerMove(m, random);
        engine.write("TURN 10,10\n");
        QCOMPARE(ReadAnswer(engine), QString("%1,%2").arg(expected.x - 1).arg(expected.y - 1));

        engine.write("TURN 10,10\n");
        QVERIFY(ReadAnswer(engine).startsWith("ERROR "));
        engine.write("ABOUT\n");
        QVERIFY(ReadAnswer(engine).contains("version=\"1.0 level 1\""));
        engine.write("END\n");
        QVERIFY(engine.waitForFinished(patienceMs));
        QCOMPARE(engine.exitStatus(), QProcess::NormalExit);
        QCOMPARE(engine.exitCode(), 0);
        QVERIFY(engine.readAll().isEmpty());  // END has no answer
    }

    void wrongArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("level 0") << QStringList{"--level", "0"};
        QTest::newRow("level 5") << QStringList{"--level", "5"};
        QTest::newRow("no seed") << QStringList{"--seed"};
        QTest::newRow("unknown") << QStringList{"--fast"};
    }
    void wrongArguments() {
        QFETCH(QStringList, arguments);
        QProcess engine;
        engine.start(PBRAIN_PROGRAM, arguments);
        QVERIFY(engine.waitForFinished(patienceMs));
        QCOMPARE(engine.exitCode(), 2);
        QVERIFY(engine.readAllStandardError().startsWith("usage: pbrain-karvelo"));
        QVERIFY(engine.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(BrainProgramTest)
#include "test_brain_program.moc"
