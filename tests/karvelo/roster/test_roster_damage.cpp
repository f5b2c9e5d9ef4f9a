// SPDX-License-Identifier: GPL-3.0-or-later
// Files the roster cannot fully read: missing, unreadable and damaged data.dat, and the backup kept
// of a damaged one.

#include "karvelo/roster/roster_file.h"
#include "roster_test_files.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

using namespace karvelo;
using namespace karvelo::test;
using namespace std::string_literals;
using Status = RosterLoadReport::Status;

namespace {
const std::string alfa = "Alfa      500x0\r\n";
const std::string beta = "Beta      612x3\r\n";
}  // namespace

class RosterDamageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString DataPath() const { return dir_.filePath("data.dat"); }
    QString BackupPath() const { return dir_.filePath("data.dat.bak"); }

private slots:
    void cleanup() {
        for (const QString& name : FilesIn(dir_.path())) {
            QFile::setPermissions(dir_.filePath(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QDir(dir_.filePath(name)).removeRecursively();
            QFile::remove(dir_.filePath(name));
        }
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");  // the entries before the damage
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("no end marker")
            << QByteArray::fromStdString(alfa + beta) << QStringList{"Alfa", "Beta"};
        QTest::newRow("ends inside a name") << QByteArray::fromStdString(alfa + "Bet") << QStringList{"Alfa"};
        QTest::newRow("ends inside the spaces")
            << QByteArray::fromStdString(alfa + "Beta        ") << QStringList{"Alfa"};
        QTest::newRow("ends before CR LF")
            << QByteArray::fromStdString(alfa + "Beta      612x3") << QStringList{"Alfa"};
        QTest::newRow("ends after CR")
            << QByteArray::fromStdString(alfa + "Beta      612x3\r") << QStringList{"Alfa"};
        QTest::newRow("short line") << QByteArray::fromStdString(alfa + "Beta\r\n" + beta + "#")
                                    << QStringList{"Alfa"};
        QTest::newRow("short score") << QByteArray::fromStdString("Alfa      50\r\n" + beta + "#")
                                     << QStringList{};
        QTest::newRow("no x") << QByteArray::fromStdString(alfa + "Beta      612-3\r\n#")
                              << QStringList{"Alfa"};
        QTest::newRow("type not a digit")
            << QByteArray::fromStdString(alfa + "Beta      612xA\r\n#") << QStringList{"Alfa"};
        QTest::newRow("LF line ends") << QByteArray("Alfa      500x0\nBeta      612x3\n#") << QStringList{};
        QTest::newRow("extra text before CR LF")
            << QByteArray::fromStdString(alfa + "Beta      612x33\r\n#") << QStringList{"Alfa"};
        QTest::newRow("name of nine letters")
            << QByteArray::fromStdString(alfa + "Abcdefghi 612x3\r\n#") << QStringList{"Alfa"};
        QTest::newRow("NUL in the name")
            << QByteArray::fromStdString(alfa + "Be\0a      612x3\r\n#"s) << QStringList{"Alfa"};
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        WriteBytes(DataPath(), bytes.toStdString());
        Roster r = MakeRoster({Entry("Stale", 1, 1), Entry("Stale", 1, 1), Entry("Stale", 1, 1)});
        RosterFile file(DataPath().toStdString());
        const RosterLoadReport report = file.LoadRoster(r);
        QCOMPARE(int(report.status), int(Status::Damaged));
        QVERIFY(!report.detail.empty());
        QCOMPARE(r.rosterCount, int(names.size()));
        std::string expectedNames;
        for (int i = 0; i < r.rosterCount; ++i) expectedNames += names[i].toStdString() + "\n";
        QCOMPARE(r.rosterNames, expectedNames);
        QCOMPARE(Name(r.roster[r.rosterCount]), ""s);          // nothing invented, nothing stale
        QCOMPARE(ReadBytes(DataPath()), bytes.toStdString());  // loading never writes
        QVERIFY(!QFile::exists(BackupPath()));
    }

    // Whatever follows the tenth line or the end marker is not part of the roster.
    void trailingBytesIgnored() {
        std::string ten;
        for (int i = 0; i < 10; ++i) ten += alfa;
        Roster r;
        WriteBytes(DataPath(), ten + "garbage");
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status), int(Status::Ok));
        QCOMPARE(r.rosterCount, 10);
        WriteBytes(DataPath(), alfa + "#\r\nrest");
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status), int(Status::Ok));
        QCOMPARE(r.rosterCount, 1);
    }

    // More than ten entries: ten load, the rest is counted, and the first save keeps the whole
    // original file as the backup before writing the ten.
    void surplusEntriesAreCountedAndBackedUp_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("tail");  // what follows the entry lines
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("detail");
        QTest::newRow("eleven") << 11 << "#" << 1 << QStringLiteral("1 další hráč byl vynechán");
        QTest::newRow("twelve") << 12 << "#" << 2 << QStringLiteral("2 další hráči byli vynecháni");
        QTest::newRow("fifteen") << 15 << "#" << 5 << QStringLiteral("5 dalších hráčů bylo vynecháno");
        QTest::newRow("twelve, no end marker")
            << 12 << "" << 2 << QStringLiteral("2 další hráči byli vynecháni");
        QTest::newRow("eleven, then a damaged line")
            << 11 << "Bet" << 1 << QStringLiteral("1 další hráč byl vynechán");
    }
    void surplusEntriesAreCountedAndBackedUp() {
        QFETCH(int, lines);
        QFETCH(QString, tail);
        QFETCH(int, leftOut);
        QFETCH(QString, detail);
        std::string original, firstTen;
        for (int i = 0; i < lines; ++i) {
            const std::string line = "Hrac" + std::string(1, char('A' + i)) + "     " +
                                     std::to_string(500 + i) + "x" + std::to_string(i % 4) + "\r\n";
            original += line;
            if (i < 10) firstTen += line;
        }
        original += tail.toStdString();
        WriteBytes(DataPath(), original);

        RosterFile file(DataPath().toStdString());
        Roster r;
        const RosterLoadReport report = file.LoadRoster(r);
        QCOMPARE(int(report.status), int(Status::Surplus));
        QCOMPARE(report.leftOut, leftOut);
        QCOMPARE(QString::fromStdString(report.detail), detail);
        QCOMPARE(r.rosterCount, 10);
        QCOMPARE(Name(r.roster[9]), "HracJ"s);
        QVERIFY(!QFile::exists(BackupPath()));  // loading never writes

        QCOMPARE(StoreRoster(r, file), ""s);
        QCOMPARE(ReadBytes(BackupPath()), original);
        QCOMPARE(ReadBytes(DataPath()), firstTen + "#");
        QCOMPARE(r.rosterCount, 10);

        WriteBytes(BackupPath(), "kept");  // only the first save makes the backup
        QCOMPARE(StoreRoster(r, file), ""s);
        QCOMPARE(ReadBytes(BackupPath()), "kept"s);
    }

    // The default roster that cannot be stored is reported as such, with the reason; even root
    // cannot create a file below a regular file.
    void defaultRosterThatCannotBeStored() {
        WriteBytes(dir_.filePath("blocker"), "a file, not a folder");
        RosterFile file(dir_.filePath("blocker/data.dat").toStdString());
        Roster r;
        const QString message = QString::fromStdString(StoreDefaultRoster(r, file));
        QVERIFY2(message.contains(QStringLiteral("nebyl nalezen")), qPrintable(message));
        QVERIFY(
            message.contains(QStringLiteral("Program používá výchozí seznam hráčů, ale uložit ho nešlo: ")));
        QVERIFY(message.contains(QString::fromStdString(std::generic_category().message(ENOTDIR))));
        QVERIFY(!message.contains(QStringLiteral("beze změny")));
        QCOMPARE(r.rosterCount, DefaultRoster().rosterCount);  // in use all the same
        QCOMPARE(r.rosterNames, DefaultRoster().rosterNames);
        QVERIFY(FilesIn(dir_.path()) == QStringList{"blocker"});

        // A save that fails over a file that never existed does not claim to have kept it.
        const QString later = QString::fromStdString(StoreRoster(r, file));
        QVERIFY(later.contains(QStringLiteral("nebyl vytvořen")));
    }

    void backupKeptOnceBeforeFirstSave() {
        const std::string damaged = alfa + "Beta      6";
        WriteBytes(DataPath(), damaged);
        RosterFile file(DataPath().toStdString());
        Roster r;
        QCOMPARE(int(file.LoadRoster(r).status), int(Status::Damaged));
        QVERIFY(!QFile::exists(BackupPath()));
        QCOMPARE(StoreRoster(r, file), ""s);
        QCOMPARE(ReadBytes(BackupPath()), damaged);
        QCOMPARE(ReadBytes(DataPath()), alfa + "#");

        // Later saves leave the backup alone.
        WriteBytes(BackupPath(), "kept");
        r.roster[0].score = 700;
        QCOMPARE(StoreRoster(r, file), ""s);
        QCOMPARE(ReadBytes(BackupPath()), "kept"s);
        QVERIFY(FilesIn(dir_.path()) == (QStringList{"data.dat", "data.dat.bak"}));
    }

    void noBackupOfSoundFile() {
        WriteBytes(DataPath(), alfa + "#");
        RosterFile file(DataPath().toStdString());
        Roster r;
        QCOMPARE(int(file.LoadRoster(r).status), int(Status::Ok));
        QCOMPARE(StoreRoster(r, file), ""s);
        QVERIFY(FilesIn(dir_.path()) == QStringList{"data.dat"});
    }

    void failedBackupStopsTheSave() {
        const std::string damaged = alfa + "Beta";
        WriteBytes(DataPath(), damaged);
        QVERIFY(QDir(dir_.path()).mkdir("data.dat.bak"));
        RosterFile file(DataPath().toStdString());
        Roster r;
        file.LoadRoster(r);
        QVERIFY(!StoreRoster(r, file).empty());
        QCOMPARE(ReadBytes(DataPath()), damaged);
        QVERIFY(FilesIn(dir_.path()) == (QStringList{"data.dat", "data.dat.bak"}));
    }

    void missingFile() {
        Roster r = MakeRoster({Entry("Stale", 1, 1)});
        const RosterLoadReport report = RosterFile(DataPath().toStdString()).LoadRoster(r);
        QCOMPARE(int(report.status), int(Status::Missing));
        QCOMPARE(r.rosterCount, 0);
        QCOMPARE(Name(r.roster[0]), ""s);
        QVERIFY(FilesIn(dir_.path()).isEmpty());
    }

    void unreadableFolderOrPipe() {
        for (const bool pipe : {false, true}) {
            cleanup();
            QVERIFY(pipe ? ::mkfifo(qPrintable(DataPath()), 0600) == 0 : QDir(dir_.path()).mkdir("data.dat"));
            Roster r = MakeRoster({Entry("Stale", 1, 1)});
            RosterFile file(DataPath().toStdString());
            const RosterLoadReport report = file.LoadRoster(r);  // must not block on the pipe
            QCOMPARE(int(report.status), int(Status::Unreadable));
            QVERIFY(!report.detail.empty());
            QCOMPARE(r.rosterCount, 0);
            QVERIFY(FilesIn(dir_.path()) == QStringList{"data.dat"});
        }
    }

    void unreadableWithoutPermission() {
        if (::geteuid() == 0) QSKIP("root reads files without read permission");
        WriteBytes(DataPath(), alfa + "#");
        QVERIFY(QFile::setPermissions(DataPath(), QFile::WriteOwner));
        Roster r;
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status), int(Status::Unreadable));
        QCOMPARE(r.rosterCount, 0);
    }
};

QTEST_GUILESS_MAIN(RosterDamageTest)
#include "test_roster_damage.moc"
