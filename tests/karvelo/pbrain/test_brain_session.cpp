// SPDX-License-Identifier: GPL-3.0-or-later
// The engine protocol driven line by line: a whole session, the answers to wrong input, and the
// parts of the protocol Karvelo's rules do not play.

#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/brain_session.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <set>

using namespace karvelo;
using namespace karvelo::pbrain;

namespace {

struct Point {
    int x, y;
    friend auto operator<=>(const Point&, const Point&) = default;
};

// One engine of a level with a fixed seed, and the lines it answered. Its clock jumps a long way
// at every reading, so that under a time limit CPU mistr makes one search and no test waits on it.
struct Engine {
    SeededRandom random;
    BrainGame game;
    double now = 0;
    BrainSession session;
    explicit Engine(int level, std::uint32_t seed = 1)
        : random(seed), game(level, random), session(game, "1.0", [this] { return now += 1e6; }) {}

    QStringList Send(const char* line) {
        QStringList answers;
        for (const std::string& a : session.Handle(line)) answers << QString::fromStdString(a);
        return answers;
    }
    // The one answer a line must give.
    QString Ask(const char* line) {
        const QStringList answers = Send(line);
        if (answers.size() != 1) qFatal("%s gave %d answers", line, int(answers.size()));
        return answers.front();
    }
};

Point Move(const QString& answer) {
    static const QRegularExpression move("^(\\d+),(\\d+)$");
    const QRegularExpressionMatch m = move.match(answer);
    if (!m.hasMatch()) qFatal("not a move: %s", qPrintable(answer));
    return {m.captured(1).toInt(), m.captured(2).toInt()};
}

bool IsError(const QString& answer) { return answer.startsWith("ERROR "); }

}  // namespace

class BrainSessionTest : public QObject {
    Q_OBJECT

private slots:
    void wholeSession_data() {
        QTest::addColumn<int>("level");
        for (int level = minLevel; level <= maxLevel; ++level)
            QTest::newRow(qPrintable(QString("level %1").arg(level))) << level;
    }
    // START, BEGIN, TURN, TAKEBACK, RESTART, BOARD ... DONE and END as a manager sends them, with
    // CR LF line ends; every stone the engine names is on an empty field.
    void wholeSession() {
        QFETCH(int, level);
        Engine e(level);
        QCOMPARE(e.Ask("START 20\r\n"), QStringLiteral("OK"));
        QVERIFY(e.Send("INFO timeout_turn 5000\r\n").isEmpty());
        QVERIFY(e.Send("INFO timeout_match 180000").isEmpty());
        QVERIFY(e.Send("INFO max_memory 83886080").isEmpty());
        QVERIFY(e.Send("INFO time_left 180000").isEmpty());
        QVERIFY(e.Send("INFO game_type 1").isEmpty());
        QVERIFY(e.Send("INFO rule 0").isEmpty());
        QVERIFY(e.Send("INFO folder /tmp/somewhere").isEmpty());  // unknown keys are ignored

        std::set<Point> taken;
        const Point first = Move(e.Ask("BEGIN\r\n"));
        if (level != CpuMaster) QCOMPARE(first, (Point{9, 9}));  // the centre, as in the game
        taken.insert(first);
        const Point opponent[] = {{10, 10}, {11, 11}, {8, 10}, {3, 3}, {12, 12}};
        for (const Point p : opponent) {
            if (taken.count(p)) continue;
            taken.insert(p);
            const QByteArray turn = QString("TURN %1,%2\r\n").arg(p.x).arg(p.y).toLatin1();
            const Point answer = Move(e.Ask(turn));
            QVERIFY(answer.x >= 0 && answer.x < 20 && answer.y >= 0 && answer.y < 20);
            QVERIFY2(!taken.count(answer), qPrintable(QString("%1,%2 again").arg(answer.x).arg(answer.y)));
            taken.insert(answer);
        }

        // The engine's own first stone taken back: its field is free for the opponent again.
        QCOMPARE(e.Ask(qPrintable(QString("TAKEBACK %1,%2").arg(first.x).arg(first.y))),
                 QStringLiteral("OK"));
        QVERIFY(IsError(e.Ask(qPrintable(QString("TAKEBACK %1,%2").arg(first.x).arg(first.y)))));
        QVERIFY(!IsError(e.Ask(qPrintable(QString("TURN %1,%2").arg(first.x).arg(first.y)))));

        // RESTART and BOARD both begin from an empty board.
        QCOMPARE(e.Ask("RESTART"), QStringLiteral("OK"));
        const Point again = Move(e.Ask("BEGIN"));
        if (level != CpuMaster) QCOMPARE(again, (Point{9, 9}));
        QVERIFY(e.Send("BOARD").isEmpty());
        QVERIFY(e.Send("9,9,2\r").isEmpty());
        QVERIFY(e.Send("10,9,1").isEmpty());
        const Point afterBoard = Move(e.Ask("DONE"));
        QVERIFY(afterBoard != (Point{9, 9}) && afterBoard != (Point{10, 9}));
        QVERIFY(e.Send("END\r\n").isEmpty());
        QVERIFY(e.session.Ended());
        QVERIFY(e.Send("ABOUT").isEmpty());  // nothing after END
    }

    // Wrong input is answered with ERROR and changes nothing.
    void errors() {
        Engine e(CpuAdvanced);
        QVERIFY(IsError(e.Ask("START 15")));
        QVERIFY(IsError(e.Ask("START")));
        QVERIFY(IsError(e.Ask("RECTSTART 20,15")));
        QCOMPARE(e.Ask("RECTSTART 20,20"), QStringLiteral("OK"));
        QCOMPARE(e.Ask("START 20"), QStringLiteral("OK"));

        const Point reply = Move(e.Ask("TURN 9,9"));
        QVERIFY(std::abs(reply.x - 9) <= 1 && std::abs(reply.y - 9) <= 1);  // one of the eight neighbours
        const QByteArray replyTaken = QString("TURN %1,%2").arg(reply.x).arg(reply.y).toLatin1();
        QVERIFY(IsError(e.Ask(replyTaken)));
        for (const char* wrong : {"TURN 9,9", "TURN 20,0", "TURN 0,20", "TURN -1,5", "TURN 3", "TURN a,b",
                                  "TURN 3,4,5", "TURN", "TAKEBACK 0,0", "TAKEBACK 20,20", "DONE"})
            QVERIFY2(IsError(e.Ask(wrong)), wrong);
        for (const char* rule : {"INFO rule 1", "INFO rule 2", "INFO rule 4", "INFO rule 8", "INFO rule x"})
            QVERIFY2(IsError(e.Ask(rule)), rule);
        QCOMPARE(e.Ask("SWAP2BOARD"), QStringLiteral("UNKNOWN command SWAP2BOARD"));

        // A wrong line inside BOARD is answered at once and skipped; DONE still gets a move.
        QVERIFY(e.Send("BOARD").isEmpty());
        QVERIFY(e.Send("5,5,2").isEmpty());
        for (const char* wrong : {"5,5,1", "20,5,1", "5,5", "6,6,4", "6,6,0", "x,y,z"})
            QVERIFY2(IsError(e.Ask(wrong)), wrong);
        const Point move = Move(e.Ask("DONE"));
        QVERIFY(std::abs(move.x - 5) <= 1 && std::abs(move.y - 5) <= 1);  // next to the one stone

        // INFO without its value, or with a value that is no number, is refused and changes nothing.
        QVERIFY(e.Send("INFO timeout_turn 700").isEmpty());
        for (const char* wrong :
             {"INFO", "INFO   ", "INFO timeout_turn", "INFO timeout_turn \r", "INFO folder", "INFO rule",
              "INFO time_left x", "INFO max_memory -1", "INFO timeout_match 5s"})
            QVERIFY2(IsError(e.Ask(wrong)), wrong);
        QCOMPARE(e.session.limits().turnMs, std::optional<std::int64_t>(700));
        QVERIFY(!e.session.limits().timeLeftMs && !e.session.limits().maxMemory &&
                !e.session.limits().matchMs);
        Move(e.Ask("TURN 0,19"));  // and the session goes on
    }

    // A BOARD whose DONE never comes: the next command ends it with one ERROR line and is then
    // answered as always, with the stones sent so far on the board.
    void boardWithoutDone_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");  // a regular expression
        QTest::newRow("TURN") << "TURN 5,6"
                              << "^\\d+,\\d+$";
        QTest::newRow("BEGIN") << "BEGIN"
                               << "^\\d+,\\d+$";
        QTest::newRow("START") << "start 20"
                               << "^OK$";
        QTest::newRow("ABOUT") << "ABOUT"
                               << "^name=";
        QTest::newRow("TAKEBACK") << "TAKEBACK 5,5"
                                  << "^OK$";
        QTest::newRow("unknown") << "YXSHOWFORBID"
                                 << "^UNKNOWN ";
    }
    void boardWithoutDone() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        Engine e(CpuAdvanced);
        QVERIFY(e.Send("BOARD").isEmpty());
        QVERIFY(e.Send("5,5,2").isEmpty());
        QVERIFY(e.Send("6,6,1").isEmpty());
        const QStringList answers = e.Send(qPrintable(command));
        QCOMPARE(answers.size(), 2);
        QCOMPARE(answers[0], QStringLiteral("ERROR BOARD ended without DONE"));
        QVERIFY2(answers[1].contains(QRegularExpression(answer)), qPrintable(answers[1]));
        // Out of the block: DONE is an error again, and the block's stones stayed (or were cleared
        // by START, or one taken back).
        QVERIFY(IsError(e.Ask("DONE")));
        const bool cleared = command.startsWith("start");
        QCOMPARE(IsError(e.Ask("TAKEBACK 6,6")), cleared);
        QCOMPARE(IsError(e.Ask("TURN 5,5")), !cleared && !command.startsWith("TAKEBACK"));
    }

    // Other ways out of a block: INFO (no answer of its own), a second BOARD, END.
    void boardEndedByInfoBoardOrEnd() {
        Engine e(CpuAdvanced);
        e.Send("BOARD");
        e.Send("9,9,1");
        QCOMPARE(e.Send("INFO timeout_turn 900"), QStringList{"ERROR BOARD ended without DONE"});
        QCOMPARE(e.session.limits().turnMs, std::optional<std::int64_t>(900));
        QVERIFY(e.Send("BOARD").isEmpty());
        QCOMPARE(e.Send("BOARD"), QStringList{"ERROR BOARD ended without DONE"});  // a fresh block
        QVERIFY(e.Send("3,3,2").isEmpty());
        QVERIFY(Move(e.Ask("DONE")) != (Point{3, 3}));
        Move(e.Ask("TURN 9,9"));  // the first block's stone went with it
        e.Send("BOARD");
        QVERIFY(e.Send("END").isEmpty());
        QVERIFY(e.session.Ended());
    }

    // A control character inside a command word is not echoed into the answer, which would then
    // read as two lines to a manager that splits at CR.
    void answersStayOneLine() {
        Engine e(CpuNovice);
        const QString answer = e.Ask("FOO\rBAR 1");
        QVERIFY(answer.startsWith("UNKNOWN "));
        QVERIFY(!answer.contains('\r') && !answer.contains('\n'));
    }

    // Upper or lower case, spaces around the numbers, LF or CR LF: all the same command.
    void lenientInput() {
        Engine a(CpuNovice, 5), b(CpuNovice, 5);
        QCOMPARE(a.Ask("START 20\n"), b.Ask("  start   20  \r\n"));
        QCOMPARE(a.Ask("TURN 4,7\n"), b.Ask("turn 4 , 7\r\n"));
        QVERIFY(a.Send("").isEmpty() && a.Send("\r\n").isEmpty());
    }

    // Stone 3 marks the winning line of a continuous game; it counts as the opponent's.
    void boardStoneThreeIsTheOpponents() {
        Engine twos(CpuAdvanced, 3), threes(CpuAdvanced, 3);
        for (Engine* e : {&twos, &threes}) {
            e->Send("BOARD");
            e->Send("4,4,1");
            for (int x = 8; x <= 11; ++x)
                e->Send(qPrintable(QString("%1,10,%2").arg(x).arg(e == &twos ? 2 : 3)));
        }
        const Point block = Move(twos.Ask("DONE"));
        QCOMPARE(Move(threes.Ask("DONE")), block);
        QVERIFY(block == (Point{7, 10}) || block == (Point{12, 10}));  // the open four is blocked
    }

    void fullBoard() {
        Engine e(CpuBeginner);
        e.Send("BOARD");
        // Stripes of two that never make five: (x / 2 + y) alternates every two columns and rows.
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 20; ++y)
                QVERIFY(
                    e.Send(qPrintable(QString("%1,%2,%3").arg(x).arg(y).arg((x / 2 + y) % 2 + 1))).isEmpty());
        QCOMPARE(e.Ask("DONE"), QStringLiteral("ERROR the board is full"));
    }

    void about() {
        Engine e(CpuMaster);
        QCOMPARE(e.Ask("ABOUT"), QStringLiteral("name=\"pbrain-karvelo\", version=\"1.0 level 4\", "
                                                "author=\"Vyvojovy tym Karvela\", country=\"CZ\""));
    }
};

QTEST_GUILESS_MAIN(BrainSessionTest)
#include "test_brain_session.moc"
