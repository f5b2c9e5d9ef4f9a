// SPDX-License-Identifier: GPL-3.0-or-later
// The player editor's changes to the table: create, rename, delete, moves, sorts and name checks.

#include "karvelo/roster/roster_edits.h"
#include "karvelo/roster/roster_format.h"
#include "roster_test_files.h"

#include <QtTest>

using namespace karvelo;
using namespace karvelo::test;
using namespace std::string_literals;

namespace {

Roster Sample() {
    return MakeRoster({Entry("Alfa", 500, Human), Entry("Beta", 620, CpuNovice),
                       Entry("Gama", 500, CpuAdvanced), Entry("Delta", 710, Human)});
}

std::string Names(const Roster& r) {
    std::string names;
    for (int i = 0; i < r.rosterCount; ++i) names += Name(r.roster[i]) + (i + 1 < r.rosterCount ? "," : "");
    return names;
}

bool SameEntries(const Roster& a, const Roster& b) {
    if (a.rosterCount != b.rosterCount) return false;
    for (int i = 0; i < maxRosterEntries; ++i) {
        const PlayerRecord &x = a.roster[i], &y = b.roster[i];
        if (std::memcmp(x.name, y.name, sizeof x.name) != 0 || x.nameLength != y.nameLength ||
            x.score != y.score || x.type != y.type)
            return false;
    }
    return true;
}

// What the table reads as after a save and a reload.
Roster ThroughTheFile(const Roster& r) {
    Roster readBack;
    const RosterLoadReport report = ParseRoster(RosterBytes(r), readBack);
    if (report.status != RosterLoadReport::Status::Ok) qFatal("unreadable: %s", report.detail.c_str());
    return readBack;
}

}  // namespace

class RosterEditsTest : public QObject {
    Q_OBJECT

private slots:
    void createdNameIsStoredInCodePage1250() {
        Roster r;
        QVERIFY(CreatePlayer(r, Human, "Jméno").changed);
        QCOMPARE(Name(r.roster[0]), "Jm\xE9no"s);
        QCOMPARE(r.roster[0].nameLength, 5);
        // Eight letters with diacritics are eight characters, not their UTF-8 bytes.
        QVERIFY(CreatePlayer(r, Human, "Čeněkův").changed);
        QVERIFY(CreatePlayer(r, Human, "Žluťouči").changed);
        QCOMPARE(Name(r.roster[2]), "\x8Elu\x9Dou\xE8i"s);
        QCOMPARE(CreatePlayer(r, Human, "Žluťoučký").refusal, "Jméno je příliš dlouhé\nMaximálně 8 znaků!"s);
        QCOMPARE(r.rosterCount, 3);
        QCOMPARE(NameCharacters("Čeněk"), 5);
        QCOMPARE(NameCharacters(""), 0);
    }

    void refusedNames_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("reason");
        const QString space = "Jméno nesmí obsahovat mezeru!";
        const QString control = "Jméno nesmí obsahovat řídicí znaky!";
        QTest::newRow("space inside") << QByteArray("Al fa") << space;
        QTest::newRow("space in front") << QByteArray(" Alfa") << space;
        QTest::newRow("two words, space after") << QByteArray("A b ") << space;
        QTest::newRow("leading #") << QByteArray("#Alfa") << "Jméno nesmí začínat znakem „#“!";
        QTest::newRow("only #") << QByteArray("#") << "Jméno nesmí začínat znakem „#“!";
        QTest::newRow("Chinese") << QByteArray("Wang王") << "Jméno obsahuje znak „王“, který nelze uložit!";
        QTest::newRow("Danish") << QByteArray("Ærø") << "Jméno obsahuje znak „Æ“, který nelze uložit!";
        QTest::newRow("emoji") << QByteArray("Ok\xF0\x9F\x98\x80")
                               << "Jméno obsahuje znak „\xF0\x9F\x98\x80“, který nelze uložit!";
        QTest::newRow("broken UTF-8") << QByteArray("Ab\xC3") << "Jméno obsahuje znak, který nelze uložit!";
        QTest::newRow("tab") << QByteArray("Al\tfa") << control;
        QTest::newRow("line end") << QByteArray("Al\r\n") << control;
        QTest::newRow("NUL") << QByteArray("Al\0fa", 5) << control;
        QTest::newRow("DEL") << QByteArray("Al\x7F") << control;
        QTest::newRow("C1 control") << QByteArray("Al\xC2\x85") << control;
    }
    void refusedNames() {
        QFETCH(QByteArray, name);
        QFETCH(QString, reason);
        const std::string_view typed(name.constData(), std::size_t(name.size()));
        Roster r = Sample();
        const RosterEdit created = CreatePlayer(r, Human, typed);
        QCOMPARE(QString::fromStdString(created.refusal), reason);
        QVERIFY(!created.changed);
        const RosterEdit renamed = RenamePlayer(r, 1, typed);
        QCOMPARE(QString::fromStdString(renamed.refusal), reason);
        QVERIFY(!renamed.changed);
        QVERIFY(SameEntries(r, Sample()));
    }

    // Everything the checks let through reads back from the file as the name the user meant.
    void acceptedNamesSurviveTheFile_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("readBack");  // code page 1250
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("spaces only") << QByteArray("   ") << QByteArray("");
        QTest::newRow("trailing spaces") << QByteArray("Alfa  ") << QByteArray("Alfa");
        QTest::newRow("# inside") << QByteArray("A#1") << QByteArray("A#1");
        QTest::newRow("punctuation") << QByteArray("x-1_!?") << QByteArray("x-1_!?");
        QTest::newRow("euro") << QByteArray("€uro") << QByteArray("\x80uro");
        QTest::newRow("no-break space") << QByteArray("A\xC2\xA0"
                                                      "B")
                                        << QByteArray("A\xA0"
                                                      "B");
        QTest::newRow("Czech") << QByteArray("Řehoř")
                               << QByteArray("\xD8"
                                             "eho\xF8");
    }
    void acceptedNamesSurviveTheFile() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, readBack);
        Roster r = Sample();
        QVERIFY(CreatePlayer(r, CpuNovice, name.toStdString()).changed);
        QVERIFY(RenamePlayer(r, 0, name.toStdString()).changed);
        QCOMPARE(ReadBackProblem(r), ""s);
        const Roster stored = ThroughTheFile(r);
        QCOMPARE(stored.rosterCount, 5);
        QCOMPARE(Name(stored.roster[4]), readBack.toStdString());
        QCOMPARE(Name(stored.roster[0]), readBack.toStdString());
        QCOMPARE(Name(stored.roster[1]), "Beta"s);
    }

    // The page never offers these, but a stray index must neither read nor write outside the used entries.
    void indexesOutsideTheUsedEntriesChangeNothing() {
        Roster r = Sample();
        for (int index : {-1, 4, 9, 10}) {
            const RosterEdit renamed = RenamePlayer(r, index, "Nikdo");
            QVERIFY(!renamed.changed && renamed.refusal.empty());
            QVERIFY(!DeletePlayer(r, index));
            QVERIFY(!MovePlayerUp(r, index));
            QVERIFY(!MovePlayerDown(r, index));
        }
        QVERIFY(!MovePlayerUp(r, 0));
        QVERIFY(!MovePlayerDown(r, 3));
        QVERIFY(SameEntries(r, Sample()));
        Roster empty;
        SortPlayersByScore(empty);
        SortPlayersByType(empty);
        QVERIFY(!DeletePlayer(empty, 0));
        QCOMPARE(empty.rosterCount, 0);
    }

    void renamePadsAndKeepsTheOldLength() {
        Roster r = Sample();
        QVERIFY(RenamePlayer(r, 3, "Ola").changed);  // Delta, five characters
        QCOMPARE(std::string(r.roster[3].name, 10), "Ola      \0"s);
        QCOMPARE(r.roster[3].nameLength, 5);
        QCOMPARE(Name(ThroughTheFile(r).roster[3]), "Ola"s);
    }

    void deleteClearsTheVacatedEntry() {
        Roster r = Sample();
        QVERIFY(DeletePlayer(r, 1));
        QCOMPARE(Names(r), "Alfa,Gama,Delta"s);
        QCOMPARE(r.roster[1].type, int(CpuAdvanced));
        const PlayerRecord& vacated = r.roster[3];
        QVERIFY(vacated.name[0] == '\0' && vacated.nameLength == 0 && vacated.score == 0 &&
                vacated.type == 0);
    }

    void sortsKeepTiesInOrder() {
        Roster scores = MakeRoster({Entry("a", 1, 0), Entry("b", 5, 0), Entry("c", 1, 0), Entry("d", 5, 0),
                                    Entry("e", 3, 0), Entry("f", 1, 0), Entry("g", 5, 0)});
        SortPlayersByScore(scores);
        QCOMPARE(Names(scores), "b,d,g,e,a,c,f"s);
        Roster types =
            MakeRoster({Entry("M4", 9, CpuMaster), Entry("P3a", 1, CpuAdvanced), Entry("H1", 2, Human),
                        Entry("N1", 3, CpuNovice), Entry("P3b", 4, CpuAdvanced), Entry("H2", 5, Human),
                        Entry("B2", 6, CpuBeginner), Entry("N2", 7, CpuNovice), Entry("H3", 8, Human)});
        SortPlayersByType(types);
        QCOMPARE(Names(types), "H1,H2,H3,N1,N2,B2,P3a,P3b,M4"s);
        QCOMPARE(types.roster[7].score, 4);  // whole records move
    }

    // The editor's type list has five items; a position outside it creates nobody.
    void createTakesEveryTypeOfTheList() {
        Roster r;
        for (int type = Human; type <= CpuMaster; ++type)
            QVERIFY(CreatePlayer(r, type, "Hrac" + std::to_string(type)).changed);
        for (int type = Human; type <= CpuMaster; ++type) QCOMPARE(r.roster[type].type, type);
        QCOMPARE(RosterBytes(r).substr(4 * 17, 17), "Hrac4     500x4\r\n"s);
        for (int type : {-1, 5, 9})
            QCOMPARE(CreatePlayer(r, type, "Zbytek").refusal, "Musíte zvolit typ hráče!"s);
        QCOMPARE(r.rosterCount, 5);
    }
};

QTEST_APPLESS_MAIN(RosterEditsTest)
#include "test_roster_edits.moc"
