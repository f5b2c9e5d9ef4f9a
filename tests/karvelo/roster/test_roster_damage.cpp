// Files the roster cannot fully read: missing, unreadable and damaged data.dat, and the backup kept
// of a damaged one.

#include "karvelo/roster/roster_file.h"
#include "roster_test_files.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
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
        for (int i = 0; i < r.rosterCount; ++i)
            expectedNames += names[i].toStdString() + "\n";
        QCOMPARE(r.rosterNames, expectedNames);
        QCOMPARE(Name(r.roster[r.rosterCount]), ""s);  // nothing invented, nothing stale
        QCOMPARE(ReadBytes(DataPath()), bytes.toStdString());  // loading never writes
        QVERIFY(!QFile::exists(BackupPath()));
    }

    // Whatever follows the tenth line or the end marker is not part of the roster.
    void trailingBytesIgnored() {
        std::string ten;
        for (int i = 0; i < 10; ++i)
            ten += alfa;
        Roster r;
        WriteBytes(DataPath(), ten + "garbage");
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status), int(Status::Ok));
        QCOMPARE(r.rosterCount, 10);
        WriteBytes(DataPath(), alfa + "#\r\nrest");
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status), int(Status::Ok));
        QCOMPARE(r.rosterCount, 1);
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
