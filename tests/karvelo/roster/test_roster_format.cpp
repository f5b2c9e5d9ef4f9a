// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-column layout of data.dat: exact bytes written, what is read back, and the table after
// a load.

#include "karvelo/roster/roster_file.h"
#include "karvelo/roster/roster_format.h"
#include "roster_test_files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace karvelo;
using namespace karvelo::test;
using namespace std::string_literals;

Q_DECLARE_METATYPE(karvelo::Roster)

class RosterFormatTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString DataPath() const { return dir_.filePath("data.dat"); }
    RosterFile File() const { return RosterFile(DataPath().toStdString()); }

    // Writes the bytes, loads them and expects an undamaged file.
    Roster LoadBytes(const std::string& bytes) {
        WriteBytes(DataPath(), bytes);
        Roster r;
        RosterFile file = File();
        const RosterLoadReport report = file.LoadRoster(r);
        if (report.status != RosterLoadReport::Status::Ok)
            qWarning("unexpected load status %d: %s", int(report.status), report.detail.c_str());
        return r;
    }

private slots:
    void writesTheDocumentedLayout() {
        Roster r = MakeRoster(
            {Entry("Alfa", 500, Human), Entry("Gama", 612, CpuAdvanced), Entry("Mistr", 80, CpuMaster)});
        File().SaveRoster(r);
        QCOMPARE(ReadBytes(DataPath()), "Alfa      500x0\r\nGama      612x3\r\nMistr     080x4\r\n#"s);
        QCOMPARE(RosterBytes(r), ReadBytes(DataPath()));
    }

    void roundTrip_data() {
        QTest::addColumn<Roster>("roster");
        QTest::newRow("empty") << Roster{};
        QTest::newRow("every type and score edge") << MakeRoster(
            {Entry("Alfa", 0, Human), Entry("Beta", 999, CpuNovice), Entry("Gama", 7, CpuBeginner),
             Entry("Abcdefgh", 50, CpuAdvanced), Entry("Mistr", 500, CpuMaster)});
        Roster full;
        for (int i = 0; i < maxRosterEntries; ++i)
            SetEntry(full, i, ("Hrac" + std::to_string(i)).c_str(), 100 + i, i % 5);
        full.rosterCount = maxRosterEntries;
        QTest::newRow("ten entries") << full;
        QTest::newRow("code page 1250 bytes")
            << MakeRoster({Entry("\x8A\xE8\xF8\xFD\xBE\xE1\xED\xE9", 500, Human)});
        QTest::newRow("default") << DefaultRoster();
    }
    void roundTrip() {
        QFETCH(Roster, roster);
        Roster saved = roster;
        File().SaveRoster(saved);
        Roster loaded;
        loaded.rosterCount = 3;  // stale content must go
        QCOMPARE(int(File().LoadRoster(loaded).status), int(RosterLoadReport::Status::Ok));
        QCOMPARE(loaded.rosterCount, roster.rosterCount);
        std::string names;
        for (int i = 0; i < roster.rosterCount; ++i) {
            QCOMPARE(Name(loaded.roster[i]), Name(roster.roster[i]));
            QCOMPARE(loaded.roster[i].nameLength, int(std::strlen(roster.roster[i].name)));
            QCOMPARE(loaded.roster[i].score, roster.roster[i].score);
            QCOMPARE(loaded.roster[i].type, roster.roster[i].type);
            names += Name(roster.roster[i]) + "\n";
        }
        QCOMPARE(loaded.rosterNames, names);
    }

    void onlyEndMarkerIsEmptyRoster() {
        const Roster r = LoadBytes("#");
        QCOMPARE(r.rosterCount, 0);
        QCOMPARE(r.rosterNames, ""s);
        Roster empty;
        File().SaveRoster(empty);
        QCOMPARE(ReadBytes(DataPath()), "#"s);
    }

    void scoreClampedOnWrite() {
        Roster r =
            MakeRoster({Entry("Alfa", 1000, Human), Entry("Beta", -5, Human), Entry("Gama", 12345, Human)});
        File().SaveRoster(r);
        QCOMPARE(ReadBytes(DataPath()), "Alfa      999x0\r\nBeta      000x0\r\nGama      999x0\r\n#"s);
        QCOMPARE(r.roster[0].score, 999);  // the table keeps the stored value
        QCOMPARE(r.roster[1].score, -5);   // only the digits are clamped at 0
        const Roster back = LoadBytes(ReadBytes(DataPath()));
        QCOMPARE(back.roster[0].score, 999);
        QCOMPARE(back.roster[1].score, 0);
    }

    void nameColumnEdges() {
        Roster r = MakeRoster({Entry("Abcdefgh", 500, Human), Entry("", 321, CpuNovice)});
        File().SaveRoster(r);
        QCOMPARE(ReadBytes(DataPath()), "Abcdefgh  500x0\r\n          321x1\r\n#"s);
        const Roster back = LoadBytes(ReadBytes(DataPath()));
        QCOMPARE(back.rosterCount, 2);
        QCOMPARE(Name(back.roster[1]), ""s);
        QCOMPARE(back.roster[1].nameLength, 0);
        QCOMPARE(back.roster[1].score, 321);
        QCOMPARE(back.rosterNames, "Abcdefgh\n\n"s);
    }

    void elevenLinesLoadTen() {
        std::string bytes;
        for (int i = 0; i < 11; ++i)
            bytes += "Hrac" + std::to_string(i) + (i < 10 ? "     " : "    ") + "500x0\r\n";
        const Roster r = LoadBytes(bytes + "#");
        QCOMPARE(r.rosterCount, 10);
        QCOMPARE(Name(r.roster[9]), "Hrac9"s);
        // Ten lines need no end marker: the reader stops before it.
        QCOMPARE(LoadBytes(bytes.substr(0, 10 * 17)).rosterCount, 10);
    }

    // A rename leaves the new name padded to nine characters with the old length; the line then has
    // a longer run of spaces, which reads back as the normal layout.
    void renameSpacingReadsBack() {
        Roster r = MakeRoster({Entry("Alfa", 500, Human), Entry("Bohumila", 640, CpuBeginner)});
        std::memcpy(r.roster[1].name, "Bob      ", 9);  // nameLength stays 8
        File().SaveRoster(r);
        QCOMPARE(ReadBytes(DataPath()), "Alfa      500x0\r\nBob        640x2\r\n#"s);
        Roster back = LoadBytes(ReadBytes(DataPath()));
        QCOMPARE(Name(back.roster[1]), "Bob"s);
        QCOMPARE(back.roster[1].nameLength, 3);
        QCOMPARE(back.roster[1].score, 640);
        QCOMPARE(back.rosterNames, "Alfa\nBob\n"s);
        File().SaveRoster(back);
        QCOMPARE(ReadBytes(DataPath()), "Alfa      500x0\r\nBob       640x2\r\n#"s);
    }

    void loadClearsFreeEntries() {
        Roster r = MakeRoster({Entry("A", 1, 1), Entry("B", 2, 2), Entry("C", 3, 3)});
        WriteBytes(DataPath(), "Alfa      500x0\r\n#");
        File().LoadRoster(r);
        QCOMPARE(r.rosterCount, 1);
        for (int i = 1; i < maxRosterEntries; ++i) {
            QCOMPARE(Name(r.roster[i]), ""s);
            QCOMPARE(r.roster[i].nameLength, 0);
            QCOMPARE(r.roster[i].score, 0);
            QCOMPARE(r.roster[i].type, 0);
        }
    }

    // What the file does not validate loads as the reader always read it.
    void lenientColumns_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("type");
        QTest::newRow("type digit beyond 4")
            << QByteArray("Alfa      500x7\r\n") << QByteArray("Alfa") << 500 << 7;
        QTest::newRow("type digit 9") << QByteArray("Alfa      500x9\r\n") << QByteArray("Alfa") << 500 << 9;
        QTest::newRow("score stops at a letter")
            << QByteArray("Alfa      5a3x1\r\n") << QByteArray("Alfa") << 5 << 1;
        QTest::newRow("score without digits")
            << QByteArray("Alfa      abcx0\r\n") << QByteArray("Alfa") << 0 << 0;
        QTest::newRow("score with sign")
            << QByteArray("Alfa      -12x0\r\n") << QByteArray("Alfa") << -12 << 0;
        QTest::newRow("two-digit score, space")
            << QByteArray("Alfa      42 x0\r\n") << QByteArray("Alfa") << 42 << 0;
        QTest::newRow("no separator space")
            << QByteArray("Alfa     500x0\r\n") << QByteArray("Alfa") << 500 << 0;
        QTest::newRow("text after a space in the name")
            << QByteArray("Al fa     500x0\r\n") << QByteArray("Al") << 500 << 0;
    }
    void lenientColumns() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, name);
        QFETCH(int, score);
        QFETCH(int, type);
        const Roster r = LoadBytes(line.toStdString() + "Beta      100x0\r\n#");
        QCOMPARE(r.rosterCount, 2);
        QCOMPARE(QByteArray(r.roster[0].name), name);
        QCOMPARE(r.roster[0].nameLength, int(name.size()));
        QCOMPARE(r.roster[0].score, score);
        QCOMPARE(r.roster[0].type, type);
        QCOMPARE(Name(r.roster[1]), "Beta"s);
    }

    void typeTexts() {
        const char* shortTexts[] = {"HUM", "CPUnov", "CPUzač", "CPUpok", "CPUmis"};
        const char* longTexts[] = {"HUM", "CPU nováček", "CPU začátečník", "CPU pokročilý", "CPU mistr"};
        for (int type = 0; type < 5; ++type) {
            QCOMPARE(ShortTypeText(type), shortTexts[type]);
            QCOMPARE(LongTypeText(type), longTexts[type]);
        }
        // The codes a damaged data.dat can still carry (digits 5 to 9) have no text.
        QVERIFY(!ShortTypeText(-1) && !ShortTypeText(5) && !LongTypeText(5) && !LongTypeText(9));
    }

    void shippedFileIsTheDefaultRoster() {
        const std::string shipped = ReadBytes(QStringLiteral(SHIPPED_ROSTER_FILE));
        Roster defaults = DefaultRoster();
        QCOMPARE(RosterBytes(defaults), shipped);
        const Roster r = LoadBytes(shipped);
        bool typeSeen[5] = {};  // every type, CPU mistr included, has a player
        for (int i = 0; i < r.rosterCount; ++i) {
            QVERIFY(r.roster[i].nameLength >= 1 && r.roster[i].nameLength <= maxNameLength);
            QCOMPARE(r.roster[i].score, initialScore);
            typeSeen[r.roster[i].type] = true;
        }
        QVERIFY(typeSeen[0] && typeSeen[1] && typeSeen[2] && typeSeen[3] && typeSeen[4]);
        QCOMPARE(r.rosterNames, defaults.rosterNames);
    }
};

QTEST_GUILESS_MAIN(RosterFormatTest)
#include "test_roster_format.moc"
