// SPDX-License-Identifier: GPL-3.0-or-later
// Saving data.dat: atomic replacement, failures that keep file and table, and save-then-reload.

#include "karvelo/roster/roster_file.h"
#include "roster_test_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace karvelo;
using namespace karvelo::test;
using namespace std::string_literals;

namespace {

bool SameTable(const Roster& a, const Roster& b) {
    if (a.rosterCount != b.rosterCount || a.rosterNames != b.rosterNames) return false;
    for (int i = 0; i < maxRosterEntries; ++i) {
        const PlayerRecord &x = a.roster[i], &y = b.roster[i];
        if (std::memcmp(x.name, y.name, sizeof x.name) || x.nameLength != y.nameLength ||
            x.score != y.score || x.type != y.type)
            return false;
    }
    return true;
}

}  // namespace

class RosterSavingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString DataPath() const { return dir_.filePath("data.dat"); }
    static Roster Sample() {
        return MakeRoster({Entry("Alfa", 500, Human), Entry("Beta", 612, CpuAdvanced)});
    }
    static const std::string& SampleBytes() {
        static const std::string bytes = "Alfa      500x0\r\nBeta      612x3\r\n#";
        return bytes;
    }

private slots:
    void cleanup() {
        for (const QString& name : FilesIn(dir_.path())) {
            QDir(dir_.filePath(name)).removeRecursively();
            QFile::remove(dir_.filePath(name));
        }
    }

    void replacesWithoutLeftovers() {
        WriteBytes(DataPath(), "old content");
        WriteBytes(DataPath() + ".tmp", "left by a crash");
        QVERIFY(QFile::setPermissions(DataPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        Roster r = Sample();
        RosterFile(DataPath().toStdString()).SaveRoster(r);
        QCOMPARE(ReadBytes(DataPath()), SampleBytes());
        QVERIFY(FilesIn(dir_.path()) == QStringList{"data.dat"});
        struct stat info {};
        QCOMPARE(::stat(qPrintable(DataPath()), &info), 0);
        QCOMPARE(info.st_mode & 07777, 0640u);
    }

    void symbolicLinkStays() {
        WriteBytes(dir_.filePath("real.dat"), "#");
        QVERIFY(QFile::link(dir_.filePath("real.dat"), DataPath()));
        Roster r = Sample();
        RosterFile(DataPath().toStdString()).SaveRoster(r);
        QVERIFY(QFileInfo(DataPath()).isSymLink());
        QCOMPARE(ReadBytes(dir_.filePath("real.dat")), SampleBytes());
        QVERIFY(FilesIn(dir_.path()) == (QStringList{"data.dat", "real.dat"}));
    }

    void failedSaveKeepsFileAndTable_data() {
        QTest::addColumn<QString>("setup");
        QTest::newRow("folder missing") << "missing";
        QTest::newRow("a folder in place of the file") << "folder";
        QTest::newRow("temporary name taken by a folder") << "tmpfolder";
        QTest::newRow("name starts with #") << "hash";
        QTest::newRow("name of nine letters") << "long";
        QTest::newRow("line end in the name") << "lineend";
    }
    void failedSaveKeepsFileAndTable() {
        QFETCH(QString, setup);
        QString path = DataPath();
        Roster r = Sample();
        r.roster[1].score = 1500;
        if (setup == "missing") path = dir_.filePath("nowhere/data.dat");
        if (setup == "folder") QVERIFY(QDir(dir_.path()).mkpath("data.dat/inside"));
        if (setup == "tmpfolder") QVERIFY(QDir(dir_.path()).mkdir("data.dat.tmp"));
        if (setup == "hash") std::memcpy(r.roster[0].name, "#lfa", 4);
        if (setup == "long") {
            std::memcpy(r.roster[0].name, "Alfabetix", 9);
            r.roster[0].nameLength = 9;
        }
        if (setup == "lineend") r.roster[0].name[2] = '\n';
        if (setup != "missing" && setup != "folder") WriteBytes(path, "Old       100x0\r\n#");
        const QStringList before = FilesIn(dir_.path());
        const std::string bytesBefore = ReadBytes(path);

        Roster expected = r;
        RosterFile file(path.toStdString());
        std::string reason;
        try {
            file.SaveRoster(r);
        } catch (const RosterSaveError& e) {
            reason = e.what();
        }
        QVERIFY2(reason.find("nepodařilo uložit") != std::string::npos, reason.c_str());
        QVERIFY2(reason.find("data.dat") != std::string::npos, reason.c_str());
        QCOMPARE(FilesIn(dir_.path()), before);
        QCOMPARE(ReadBytes(path), bytesBefore);
        if (setup == "folder") QVERIFY(QFileInfo(dir_.filePath("data.dat/inside")).isDir());

        // Save and reload together: the reason comes back, the table stays and is not reloaded.
        QVERIFY(SameTable(r, expected));
        QVERIFY(!StoreRoster(r, file).empty());
        QVERIFY(SameTable(r, expected));
        QCOMPARE(ReadBytes(path), bytesBefore);
    }

    void storeReloadsNormalisedTable() {
        RosterFile file(DataPath().toStdString());
        Roster r = Sample();
        std::memcpy(r.roster[0].name, "Ola      ", 9);  // after a rename; nameLength still 4
        r.roster[1].score = 1200;
        r.rosterNames = "stale";
        QCOMPARE(StoreRoster(r, file), ""s);
        QCOMPARE(Name(r.roster[0]), "Ola"s);
        QCOMPARE(r.roster[0].nameLength, 3);
        QCOMPARE(r.roster[1].score, 999);
        QCOMPARE(r.rosterNames, "Ola\nBeta\n"s);
        // Written as renamed: name padded to nine, five more for the old length, the separator.
        QCOMPARE(ReadBytes(DataPath()), "Ola" + std::string(12, ' ') + "500x0\r\nBeta      999x3\r\n#");
    }

    void readOnlyFileLoads() {
        WriteBytes(DataPath(), SampleBytes());
        QVERIFY(QFile::setPermissions(DataPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        Roster r;
        QCOMPARE(int(RosterFile(DataPath().toStdString()).LoadRoster(r).status),
                 int(RosterLoadReport::Status::Ok));
        QVERIFY(SameTable(r, [] {
            Roster s = Sample();
            s.rosterNames = "Alfa\nBeta\n";
            return s;
        }()));
        QVERIFY(QFile::setPermissions(DataPath(), QFile::ReadOwner | QFile::WriteOwner));
    }

    void readOnlyFileNotReplaced() {
        if (::geteuid() == 0) QSKIP("root may write any file");
        WriteBytes(DataPath(), "#");
        QVERIFY(QFile::setPermissions(DataPath(), QFile::ReadOwner));
        Roster r = Sample();
        QVERIFY_THROWS_EXCEPTION(RosterSaveError, RosterFile(DataPath().toStdString()).SaveRoster(r));
        QCOMPARE(ReadBytes(DataPath()), "#"s);
        QVERIFY(FilesIn(dir_.path()) == QStringList{"data.dat"});
    }
};

QTEST_GUILESS_MAIN(RosterSavingTest)
#include "test_roster_saving.moc"
