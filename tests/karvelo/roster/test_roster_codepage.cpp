// SPDX-License-Identifier: GPL-3.0-or-later
// Names between the screen's UTF-8 and the file's code page 1250 bytes.

#include "karvelo/roster/codepage1250.h"
#include "karvelo/roster/roster_file.h"
#include "roster_test_files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace karvelo;
using namespace karvelo::test;
using namespace std::string_literals;

class RosterCodepageTest : public QObject {
    Q_OBJECT

private slots:
    void convertsBothWays_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp1250");
        QTest::newRow("ascii") << QByteArray("Alfa 7") << QByteArray("Alfa 7");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("Čížek") << QByteArray("Čížek")
                               << QByteArray("\xC8\xED\x9E"
                                             "ek");
        QTest::newRow("Řehoř") << QByteArray("Řehoř")
                               << QByteArray("\xD8"
                                             "eho\xF8");
        QTest::newRow("Věra") << QByteArray("Věra") << QByteArray("V\xECra");
        QTest::newRow("ďťňůŠŽ") << QByteArray("ďťňůŠŽ") << QByteArray("\xEF\x9D\xF2\xF9\x8A\x8E");
        QTest::newRow("euro sign") << QByteArray("€") << QByteArray("\x80");
    }
    void convertsBothWays() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp1250);
        QCOMPARE(Utf8ToCp1250(utf8.toStdString()), std::optional<std::string>(cp1250.toStdString()));
        QCOMPARE(Cp1250ToUtf8(cp1250.toStdString()), utf8.toStdString());
    }

    void refusesWhatTheCodePageCannotCarry() {
        QCOMPARE(Utf8ToCp1250("Wang 王"), std::nullopt);
        QCOMPARE(Utf8ToCp1250("Ærø"), std::nullopt);
        QCOMPARE(Utf8ToCp1250("bad \xC3"), std::nullopt);    // cut-off sequence
        QCOMPARE(Utf8ToCp1250("bad \xFF x"), std::nullopt);  // not UTF-8 at all
    }

    void undefinedBytesShowAsReplacement() {
        QCOMPARE(Cp1250ToUtf8("a\x81"
                              "b\x98"),
                 "a\uFFFDb\uFFFD"s);
    }

    void czechNamesThroughTheFile() {
        QTemporaryDir dir;
        RosterFile file(dir.filePath("data.dat").toStdString());
        const char* names[] = {"Čížek", "Řehoř", "Věra", "Šárka", "Ďábel"};
        Roster r;
        for (const char* name : names) {
            SetEntry(r, r.rosterCount, Utf8ToCp1250(name).value().c_str(), 500, Human);
            ++r.rosterCount;
        }
        QCOMPARE(StoreRoster(r, file), ""s);
        Roster back;
        QCOMPARE(int(file.LoadRoster(back).status), int(RosterLoadReport::Status::Ok));
        QCOMPARE(back.rosterCount, 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Cp1250ToUtf8(back.roster[i].name), std::string(names[i]));
            QCOMPARE(back.roster[i].nameLength,
                     int(QString::fromUtf8(names[i]).size()));  // one byte a letter
        }
        QCOMPARE(Cp1250ToUtf8(back.rosterNames), "Čížek\nŘehoř\nVěra\nŠárka\nĎábel\n"s);
    }
};

QTEST_GUILESS_MAIN(RosterCodepageTest)
#include "test_roster_codepage.moc"
