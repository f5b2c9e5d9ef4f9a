// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged files at the window: a truncated or lying picture is refused like a missing one, and a
// roster the folder cannot take is reported as what it is.

#include "karvelo/application.h"
#include "karvelo/form1.h"
#include "karvelo/theme_images.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QtEndian>

using namespace karvelo;
using karvelo::test::ColourOf;
using karvelo::test::FormFixture;

namespace {

const QString pole = QStringLiteral("obr/Gothic/Pole.bmp");

// The damage a careless copy or a full disk leaves: the file cut short, or a header announcing
// more pixels than the file holds.
void Damage(FormFixture& f, const QString& path, int keepBytes) {
    QByteArray bytes = f.ReadFile(path);
    QVERIFY(bytes.size() == 1254);  // 20 x 20, 24 bits, as the fixture writes it
    if (keepBytes >= 0) {
        bytes.truncate(keepBytes);
    } else {
        qToLittleEndian<qint32>(40, bytes.data() + 18);  // width and height 40: 4854 bytes announced
        qToLittleEndian<qint32>(40, bytes.data() + 22);
    }
    f.WriteFile(path, bytes);
}

void AddDamageRows() {
    QTest::addColumn<int>("keepBytes");
    QTest::newRow("cut to 600 bytes") << 600;
    QTest::newRow("cut to 60 bytes") << 60;
    QTest::newRow("cut to the header") << 54;
    QTest::newRow("cut inside the header") << 20;
    QTest::newRow("header lies about its size") << -1;
}

}  // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT
    KarveloApplication* App() { return static_cast<KarveloApplication*>(QCoreApplication::instance()); }

private slots:
    void damagedPictureEndsStartup_data() { AddDamageRows(); }
    void damagedPictureEndsStartup() {
        QFETCH(int, keepBytes);
        FormFixture f;
        Damage(f, pole, keepBytes);
        try {
            f.Start();
            QFAIL("start-up went on with a damaged picture");
        } catch (const ImageLoadError& e) {
            const QString text = QString::fromUtf8(e.what());
            QVERIFY2(text.contains(pole) && text.contains(QStringLiteral("poškozený")), qPrintable(text));
        }
        QVERIFY(!f.form);  // the entry never gets a window to show
    }

    // Later, the same file ends the handler: the error box names it, the page that was open stays
    // and the board keeps the empty-field picture it had.
    void damagedPictureCutsTheHandlerShort_data() { AddDamageRows(); }
    void damagedPictureCutsTheHandlerShort() {
        QFETCH(int, keepBytes);
        FormFixture f;
        App()->SetMessageBoxes(&f.boxes);
        TForm1& form = f.Start();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Schema1->trigger();
        Damage(f, pole, keepBytes);
        QMetaObject::invokeMethod(form.Hrat1, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        App()->SetMessageBoxes(nullptr);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown[0].kind, QStringLiteral("error"));
        QVERIFY(f.boxes.shown[0].text.contains(pole));
        QVERIFY(f.boxes.shown[0].text.contains(QStringLiteral("poškozený")));
        QVERIFY(form.CB[0]->isVisible());
        const QImage& empty = form.images.fieldBitmaps[0];
        QCOMPARE(empty.size(), QSize(20, 20));
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) QCOMPARE(QColor(empty.pixel(x, y)), ColourOf(pole));
    }

    void elevenEntriesAreReportedOnceWithTheCount() {
        QByteArray eleven;
        for (int i = 0; i < 11; ++i) eleven += QByteArray("Hrac") + char('A' + i) + "     500x0\r\n";
        eleven += '#';
        FormFixture f(eleven);
        TForm1& form = f.Start();
        QCOMPARE(form.roster.rosterCount, 10);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Pozor!"));
        QVERIFY2(f.boxes.LastText().contains(QStringLiteral("1 další hráč byl vynechán")),
                 qPrintable(f.boxes.LastText()));
        QVERIFY(f.boxes.LastText().contains(QStringLiteral("data.dat.bak")));
        form.Hrat1->trigger();  // pages read the table; nothing is written until it changes
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.ReadFile("data.dat"), eleven);
        QVERIFY(!QFile::exists(f.dir.filePath("data.dat.bak")));
    }

    // The working folder vanished under the program (root included cannot create files in it):
    // no data.dat to read and none can be written.
    void missingRosterInAFolderThatCannotBeWritten() {
        FormFixture f(QByteArray{}, false);
        QVERIFY(QDir(f.dir.path()).mkdir("gone"));
        QDir::setCurrent(f.dir.filePath("gone"));
        QVERIFY(QDir(f.dir.path()).rmdir("gone"));
        QVERIFY_THROWS_EXCEPTION(ImageLoadError, f.Start());  // nothing else can be read there either
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        const QString text = f.boxes.shown[0].text;
        QCOMPARE(f.boxes.shown[0].caption, QStringLiteral("Pozor!"));
        QVERIFY2(text.contains(QStringLiteral("nebyl nalezen")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("výchozí seznam hráčů")));
        QVERIFY(text.contains(QStringLiteral("uložit ho nešlo: ")));
        QVERIFY(text.contains(QString::fromStdString(std::generic_category().message(ENOENT))));
        QVERIFY(!text.contains(QStringLiteral("beze změny")));
    }
};

int main(int argc, char** argv) {
    KarveloApplication app(argc, argv);
    DamagedFilesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_damaged_files.moc"
