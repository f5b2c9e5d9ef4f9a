// SPDX-License-Identifier: GPL-3.0-or-later
// The match runner judges engines, so its own faults would read as theirs: a five missed or seen
// where there is none, an opening that repeats or leaves the centre, a wrong interval, a forfeit
// not given. Whole games run against engines that are a few lines of shell.

#include "tools/match_runner/game_play.h"
#include "tools/match_runner/match_board.h"
#include "tools/match_runner/match_tally.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace match_runner;

namespace {

// Stones of one colour along a line from (x, y) in direction (dx, dy).
void Row(MatchBoard& b, int x, int y, int dx, int dy, int count, Colour c = Colour::black) {
    for (int i = 0; i < count; ++i) b.Place({x + i * dx, y + i * dy}, c);
}

}  // namespace

class MatchRunnerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // An engine that plays its own column `x` from the top, one field a move, whatever it is told.
    QString ColumnEngine(int x) const {
        return Script(QString("column%1").arg(x),
                      QString("n=0\nwhile read -r l; do case \"$l\" in\n"
                              "START*) echo OK;;\n"
                              "DONE*|TURN*|BEGIN*) echo \"MESSAGE thinking\"; echo \"%1,$n\"; n=$((n+1));;\n"
                              "esac; done\n")
                          .arg(x));
    }
    // An engine that answers START and then every move with `move` after `sleep` seconds.
    QString FixedEngine(const QString& name, const QString& move, const QString& sleep = "0") const {
        return Script(name, QString("while read -r l; do case \"$l\" in\n"
                                    "START*) echo OK;;\n"
                                    "DONE*|TURN*|BEGIN*) sleep %1; echo '%2';;\n"
                                    "esac; done\n")
                                .arg(sleep, move));
    }
    QString Script(const QString& name, const QString& body) const {
        const QString path = dir_.filePath(name + ".sh");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        f.write(("#!/bin/sh\n" + body).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }

private slots:
    void fiveOrMore() {
        for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
            MatchBoard b;
            const int y = dy < 0 ? 10 : 3;
            Row(b, 3, y, dx, dy, 4);
            QVERIFY(!b.MakesFive({3, y}));
            b.Place({3 + 4 * dx, y + 4 * dy}, Colour::black);
            QVERIFY(b.MakesFive({3 + 4 * dx, y + 4 * dy}));
            QVERIFY(b.MakesFive({3 + 2 * dx, y + 2 * dy}));  // seen from the middle too
        }
        MatchBoard overline;  // six wins as well: five or more
        Row(overline, 0, 0, 1, 0, 3);
        Row(overline, 4, 0, 1, 0, 2);
        overline.Place({3, 0}, Colour::black);
        QVERIFY(overline.MakesFive({3, 0}));

        MatchBoard broken;  // a gap, another colour, the board's edge
        Row(broken, 0, 5, 1, 0, 2);
        Row(broken, 3, 5, 1, 0, 2);
        broken.Place({2, 5}, Colour::white);
        QVERIFY(!broken.MakesFive({3, 5}));
        Row(broken, 17, 8, 1, 0, 3);
        Row(broken, 0, 9, 1, 0, 2);  // would be five if rows wrapped
        QVERIFY(!broken.MakesFive({19, 8}) && !broken.MakesFive({0, 9}));
    }

    void movesAsEnginesWriteThem() {
        QCOMPARE(ParseMove("3,4"), std::optional<Field>(Field{3, 4}));
        QCOMPARE(ParseMove(" 19 , 0 "), std::optional<Field>(Field{19, 0}));
        QCOMPARE(ParseMove("-1,4"), std::optional<Field>(Field{-1, 4}));  // read; the board refuses it
        for (const char* wrong : {"", "3", "3,", ",4", "3,4x", "a,b", "3,4,1", "3;4", "OK"})
            QVERIFY2(!ParseMove(wrong), wrong);
    }

    void openings() {
        std::set<std::vector<int>> seen;
        for (int i = 0; i < 200; ++i) {
            const Opening o = MakeOpening(7, i);
            QCOMPARE(MakeOpening(7, i), o);  // reproducible
            std::vector<int> key;
            for (const Field f : o) {
                QVERIFY(f.x >= 7 && f.x <= 12 && f.y >= 7 && f.y <= 12);
                key.push_back(f.y * boardSize + f.x);
            }
            QCOMPARE(int(std::set<int>(key.begin(), key.end()).size()), 4);
            seen.insert(key);
        }
        QVERIFY(seen.size() >= 195);  // about 1.9e6 ordered openings: hardly any repeat
        QVERIFY(MakeOpening(8, 0) != MakeOpening(7, 0));
    }

    void score() {
        Tally none;
        QCOMPARE(none.Score(), 0.0);
        const Tally even{50, 50, 0};
        QCOMPARE(even.Score(), 0.5);
        QVERIFY(qAbs(even.Interval95().low - 0.402) < 0.001 && qAbs(even.Interval95().high - 0.598) < 0.001);
        const Tally draws{0, 0, 40};
        QCOMPARE(draws.Score(), 0.5);
        QCOMPARE(draws.Interval95().low, 0.5);  // no spread at all
        const Tally sweep{20, 0, 0};
        QCOMPARE(sweep.Interval95().high, 1.0);
        const Tally mixed{140, 40, 20};  // 0.75
        QCOMPARE(mixed.Score(), 0.75);
        QVERIFY(mixed.Interval95().low > 0.69 && mixed.Interval95().high < 0.81);
        const Tally few{14, 4, 2};  // the same score from a tenth of the games
        const double width = mixed.Interval95().high - mixed.Interval95().low;
        QVERIFY(width < few.Interval95().high - few.Interval95().low);

        const TimeSummary odd = Summarise({5, 1, 3});
        QCOMPARE(odd.moves, 3);
        QCOMPARE(odd.medianMs, 3.0);
        QCOMPARE(odd.meanMs, 3.0);
        QCOMPARE(odd.maxMs, 5.0);
        QCOMPARE(Summarise({4, 1, 2, 10}).medianMs, 3.0);
        QCOMPARE(Summarise({}).moves, 0);
    }

    // Black moves first after the opening, so its column fills first: five after its fifth move,
    // both engines' MESSAGE lines skipped.
    void wholeGame() {
        QVERIFY(dir_.isValid());
        const TimeControl time{2000, 0, 0, 5000, 0};
        const Opening opening = MakeOpening(1, 0);
        const GameResult r =
            PlayGame({ColumnEngine(0).toStdString()}, {ColumnEngine(19).toStdString()}, opening, time);
        QCOMPARE(r.winner, Colour::black);
        QCOMPARE(r.ending, Ending::five);
        QCOMPARE(r.moves, 9);
        QCOMPARE(int(r.blackMs.size()), 5);
        QCOMPARE(int(r.whiteMs.size()), 4);
    }

    void forfeits() {
        const Opening opening = MakeOpening(1, 0);
        const std::string good = ColumnEngine(0).toStdString();
        struct Case {
            QString engine;
            Ending ending;
        };
        const Case cases[] = {
            {FixedEngine("slow", "0,0", "2"), Ending::timeout},
            {FixedEngine("outside", "20,0"), Ending::wrongMove},
            {FixedEngine("garbage", "0,0 please"), Ending::wrongMove},
            {FixedEngine("error", "ERROR no idea"), Ending::wrongMove},
            {FixedEngine("occupied", QString("%1,%2").arg(opening[0].x).arg(opening[0].y)),
             Ending::wrongMove},
            {Script("quits", "read -r l; echo OK; read -r l; exit 0\n"), Ending::noAnswer},
            {Script("nostart", "sleep 10\n"), Ending::timeout},
            {Script("missing", "exec /nonexistent/engine\n"), Ending::noAnswer},
        };
        const TimeControl shortStart{300, 0, 0, 300, 0};
        for (const Case& c : cases) {
            const std::string bad = c.engine.toStdString();
            QElapsedTimer timer;
            timer.start();
            const GameResult asWhite = PlayGame({good}, {bad}, opening, shortStart);
            const GameResult asBlack = PlayGame({bad}, {good}, opening, shortStart);
            QVERIFY2(asWhite.winner == Colour::black && asBlack.winner == Colour::white,
                     qPrintable(c.engine));
            QVERIFY2(asWhite.ending == c.ending && asBlack.ending == c.ending, qPrintable(c.engine));
            QVERIFY2(timer.elapsed() < 3000, qPrintable(c.engine));  // a stuck engine is not waited for
        }
        // Over the whole game's time, though each move is within the turn's.
        const GameResult overMatch = PlayGame({FixedEngine("steady", "0,0", "0.2").toStdString()}, {good},
                                              opening, TimeControl{1000, 100, 0, 5000, 0});
        QCOMPARE(overMatch.ending, Ending::timeout);
    }
};

QTEST_GUILESS_MAIN(MatchRunnerTest)
#include "test_match_runner.moc"
