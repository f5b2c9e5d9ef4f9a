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
    return MakeRoster({Entry("Alfa", 500, Human), Entry("Beta", 620, CpuNovice), Entry("Gama", 500, CpuAdvanced),
                       Entry("Delta", 710, Human)});
}

Roster Full() {
    Roster r;
    for (int i = 0; i < maxRosterEntries; ++i) {
        SetEntry(r, i, ("Hrac" + std::to_string(i)).c_str(), 500, Human);
        ++r.rosterCount;
    }
    return r;
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
        if (std::memcmp(x.name, y.name, sizeof x.name) != 0 || x.nameLength != y.nameLength || x.score != y.score ||
            x.type != y.type)
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
    void createChecksInOrder() {
        Roster full = Full();
        const Roster before = full;
        QCOMPARE(CreatePlayer(full, -1, "Velmidlouhejmeno").refusal, "Musíte zvolit typ hráče!"s);
        QCOMPARE(CreatePlayer(full, 0, "Velmidlouhejmeno").refusal, "Nelze vytvořit více jak 10 hráčů!"s);
        QCOMPARE(CreatePlayer(full, 0, "Ok").refusal, "Nelze vytvořit více jak 10 hráčů!"s);
        QVERIFY(SameEntries(full, before));

        Roster r = Sample();
        QCOMPARE(CreatePlayer(r, 4, "Alfa").refusal, "Musíte zvolit typ hráče!"s);
        // Too long is told before what the file could not carry.
        QCOMPARE(CreatePlayer(r, 0, "#Velmi dlouhe").refusal, "Jméno je příliš dlouhé\nMaximálně 8 znaků!"s);
        QCOMPARE(CreatePlayer(r, 0, "Abcdefghi").refusal, "Jméno je příliš dlouhé\nMaximálně 8 znaků!"s);
        QVERIFY(SameEntries(r, Sample()));

        const RosterEdit eight = CreatePlayer(r, CpuBeginner, "Abcdefgh");
        QVERIFY(eight.changed);
        QVERIFY(eight.refusal.empty());
        QCOMPARE(r.rosterCount, 5);
        QCOMPARE(Name(r.roster[4]), "Abcdefgh"s);
        QCOMPARE(r.roster[4].nameLength, 8);
        QCOMPARE(r.roster[4].score, 500);
        QCOMPARE(r.roster[4].type, int(CpuBeginner));
    }

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
        QTest::newRow("emoji") << QByteArray("Ok\xF0\x9F\x98\x80") << "Jméno obsahuje znak „\xF0\x9F\x98\x80“, který nelze uložit!";
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
        QTest::newRow("no-break space") << QByteArray("A\xC2\xA0" "B") << QByteArray("A\xA0" "B");
        QTest::newRow("Czech") << QByteArray("Řehoř") << QByteArray("\xD8" "eho\xF8");
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

    void renamePadsAndKeepsTheOldLength() {
        Roster r = Sample();
        QVERIFY(RenamePlayer(r, 3, "Ola").changed);  // Delta, five characters
        QCOMPARE(std::string(r.roster[3].name, 10), "Ola      \0"s);
        QCOMPARE(r.roster[3].nameLength, 5);
        QCOMPARE(r.roster[3].score, 710);
        QCOMPARE(r.roster[3].type, int(Human));
        // Nine columns for the padded name, four for the old length, then the separator.
        const std::string written = RosterBytes(r);
        QCOMPARE(written.substr(written.size() - 22), "Ola" + std::string(11, ' ') + "710x0\r\n#");
        const Roster stored = ThroughTheFile(r);
        QCOMPARE(Name(stored.roster[3]), "Ola"s);
        QCOMPARE(stored.roster[3].nameLength, 3);
        const std::string next = RosterBytes(stored);
        QCOMPARE(next.substr(next.size() - 18), "Ola       710x0\r\n#");

        // Longer than before: eight letters and one pad space, five for the old length of "Alfa".
        QVERIFY(RenamePlayer(r, 0, "Abcdefgh").changed);
        QCOMPARE(RosterBytes(r).substr(0, 22), "Abcdefgh" + std::string(7, ' ') + "500x0\r\n");
        QCOMPARE(Name(ThroughTheFile(r).roster[0]), "Abcdefgh"s);
    }

    void renameLimitAndIndex() {
        Roster r = Sample();
        QCOMPARE(RenamePlayer(r, 0, "Abcdefghi").refusal, "Jméno nesmí mít více jak 8 znaků"s);
        QCOMPARE(RenamePlayer(r, 0, "Žluťoučký").refusal, "Jméno nesmí mít více jak 8 znaků"s);
        for (int index : {-1, 4, 9, 10}) {
            const RosterEdit edit = RenamePlayer(r, index, "Nikdo");
            QVERIFY(!edit.changed);
            QVERIFY(edit.refusal.empty());
        }
        QVERIFY(SameEntries(r, Sample()));
        QVERIFY(RenamePlayer(r, 2, "").changed);
        QCOMPARE(Name(ThroughTheFile(r).roster[2]), ""s);
    }

    void deleteMovesRecordsUp() {
        Roster r = Sample();
        QVERIFY(DeletePlayer(r, 1));
        QCOMPARE(Names(r), "Alfa,Gama,Delta"s);
        QCOMPARE(r.roster[1].score, 500);
        QCOMPARE(r.roster[1].type, int(CpuAdvanced));
        QCOMPARE(r.roster[2].score, 710);
        const PlayerRecord& vacated = r.roster[3];
        QCOMPARE(Name(vacated), ""s);
        QVERIFY(vacated.nameLength == 0 && vacated.score == 0 && vacated.type == 0);
        QVERIFY(DeletePlayer(r, 2));
        QCOMPARE(Names(r), "Alfa,Gama"s);
        for (int index : {-1, 2, 10}) QVERIFY(!DeletePlayer(r, index));
        QCOMPARE(r.rosterCount, 2);

        Roster one = MakeRoster({Entry("Sam", 300, CpuNovice)});
        QVERIFY(DeletePlayer(one, 0));
        QCOMPARE(one.rosterCount, 0);
        QCOMPARE(RosterBytes(one), "#"s);
        QVERIFY(!DeletePlayer(one, 0));
    }

    void movesStopAtTheEnds() {
        Roster r = Sample();
        QVERIFY(!MovePlayerUp(r, 0));
        QVERIFY(!MovePlayerDown(r, 3));
        QVERIFY(!MovePlayerUp(r, 4));
        QVERIFY(!MovePlayerDown(r, -1));
        QVERIFY(!MovePlayerUp(r, -1));
        QVERIFY(SameEntries(r, Sample()));

        QVERIFY(MovePlayerUp(r, 3));
        QCOMPARE(Names(r), "Alfa,Beta,Delta,Gama"s);
        QCOMPARE(r.roster[2].score, 710);
        QCOMPARE(r.roster[2].nameLength, 5);
        QCOMPARE(r.roster[3].type, int(CpuAdvanced));
        QVERIFY(MovePlayerDown(r, 0));
        QCOMPARE(Names(r), "Beta,Alfa,Delta,Gama"s);

        Roster one = MakeRoster({Entry("Sam", 300, Human)});
        QVERIFY(!MovePlayerUp(one, 0));
        QVERIFY(!MovePlayerDown(one, 0));
    }

    void sortByScoreKeepsEqualScoresInOrder() {
        Roster r = Sample();  // Alfa 500, Beta 620, Gama 500, Delta 710
        SortPlayersByScore(r);
        QCOMPARE(Names(r), "Delta,Beta,Alfa,Gama"s);
        QCOMPARE(r.roster[0].score, 710);
        QCOMPARE(r.roster[3].type, int(CpuAdvanced));

        Roster ties = MakeRoster({Entry("a", 1, 0), Entry("b", 5, 0), Entry("c", 1, 0), Entry("d", 5, 0),
                                  Entry("e", 3, 0), Entry("f", 1, 0), Entry("g", 5, 0)});
        SortPlayersByScore(ties);
        QCOMPARE(Names(ties), "b,d,g,e,a,c,f"s);
    }

    void sortByTypeKeepsEqualTypesInOrder() {
        Roster r = MakeRoster({Entry("P3a", 1, CpuAdvanced), Entry("H1", 2, Human), Entry("N1", 3, CpuNovice),
                               Entry("P3b", 4, CpuAdvanced), Entry("H2", 5, Human), Entry("B2", 6, CpuBeginner),
                               Entry("N2", 7, CpuNovice), Entry("H3", 8, Human)});
        SortPlayersByType(r);
        QCOMPARE(Names(r), "H1,H2,H3,N1,N2,B2,P3a,P3b"s);
        QCOMPARE(r.roster[0].score, 2);
        QCOMPARE(r.roster[7].score, 4);
    }

    void sortsOfShortRosters() {
        Roster empty;
        SortPlayersByScore(empty);
        SortPlayersByType(empty);
        QCOMPARE(empty.rosterCount, 0);
        Roster one = MakeRoster({Entry("Sam", 300, CpuAdvanced)});
        SortPlayersByType(one);
        QCOMPARE(Names(one), "Sam"s);
    }
};

QTEST_APPLESS_MAIN(RosterEditsTest)
#include "test_roster_edits.moc"
