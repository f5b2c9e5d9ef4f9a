// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the menu, the title-screen theme pick, the match guard and the settings page.

#include "karvelo/form1.h"
#include "karvelo/message_boxes.h"
#include "karvelo/theme_images.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace karvelo;
using karvelo::test::ColourOf;
using karvelo::test::FormFixture;

namespace {
QColor Pixel(PictureControl* picture, int x, int y) { return QColor(picture->surface().pixel(x, y)); }
QColor Background(const TForm1& form) { return form.client->palette().color(QPalette::Window); }
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startupShowsTheTitleScreen() {
        FormFixture f;
        TForm1& form = f.Start();
        QCOMPARE(form.windowTitle(), QStringLiteral("Karvelo"));
        QCOMPARE(form.client->size(), QSize(480, 480));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.pos(), QPoint(0, 0));
        QCOMPARE(Background(form), QColor(113, 111, 100));
        QCOMPARE(form.matchState.cellWidth, 20);
        QCOMPARE(form.matchState.cellHeight, 20);
        QCOMPARE(form.roster.rosterCount, 4);
        QCOMPARE(form.boardImage->parentWidget(), form.client);
        QCOMPARE(form.boardImage->geometry(), QRect(0, 0, 480, 480));
        QCOMPARE(Pixel(form.boardImage, 0, 0), ColourOf("obr/karvelo.bmp"));
        QCOMPARE(Pixel(form.boardImage, 479, 479), ColourOf("obr/karvelo.bmp"));
        QVERIFY(f.boxes.shown.empty());
        // Every run-time control exists, without a parent until a page places it.
        QVERIFY(!form.turnImage->parent());
        for (QLabel* label : form.L) QVERIFY(label && !label->parent());
        for (QComboBox* combo : form.CB) QVERIFY(combo && !combo->parent());
        for (QPushButton* button : form.B) QVERIFY(button && !button->parent());
        QVERIFY(form.LB0 && form.RB0 && form.RB1 && form.CHB0 && form.E0 && form.E1);
    }

    void menuCaptionsAndNames() {
        FormFixture f;
        TForm1& form = f.Start();
        QStringList seen;
        for (QAction* top : form.MainMenu1->actions()) {
            seen << top->menu()->objectName() + "=" + top->text();
            for (QAction* item : top->menu()->actions()) seen << item->objectName() + "=" + item->text();
        }
        QCOMPARE(seen, QStringList({"Hra1=Hra", "Hrat1=Hrát", "Konechry1=Konec", "Nastaveni1=Nastavení",
                                    "Schema1=Schéma", "Edithracu1=Edit hráčů", "Oprogramu1=O programu",
                                    "Help1=Help", "Info1=Info"}));
    }

    void titlePickRegions_data() {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("theme");
        QTest::newRow("174,10 Ocean") << QPoint(174, 10) << 2;
        QTest::newRow("175,259 Gothic") << QPoint(175, 259) << 0;
        QTest::newRow("175,260 Garden") << QPoint(175, 260) << 1;
        QTest::newRow("431,301 Mystery") << QPoint(431, 301) << 3;
        QTest::newRow("430,479 Garden") << QPoint(430, 479) << 1;
        QTest::newRow("479,300 Garden") << QPoint(479, 300) << 1;
        QTest::newRow("100,479 Ocean") << QPoint(100, 479) << 2;
        QTest::newRow("479,479 Mystery") << QPoint(479, 479) << 3;
    }
    void titlePickRegions() {
        QFETCH(QPoint, press);
        QFETCH(int, theme);
        static const QColor colours[] = {{113, 111, 100}, {0, 128, 0}, {100, 139, 203}, {111, 0, 0}};
        static const char* const folders[] = {"obr/Gothic/", "obr/Garden/", "obr/Ocean/", "obr/Mystery/"};
        FormFixture f;
        TForm1& form = f.Start();
        QTest::mouseClick(form.boardImage, Qt::LeftButton, {}, press);
        QCOMPARE(form.settings.themeIndex, theme);
        QCOMPARE(form.settings.themePath, std::string(folders[theme]));
        QCOMPARE(Background(form), colours[theme]);
        // The set-up page is open, with the new theme's images loaded.
        QVERIFY(form.B[0]->isVisibleTo(&form));
        QVERIFY(!form.boardImage->isVisibleTo(&form));
        QCOMPARE(QColor(form.images.fieldBitmaps[0].pixel(0, 0)),
                 ColourOf(QString::fromLatin1(folders[theme]) + "Pole.bmp"));
    }

    void guardAtFiveAndSixMoves() {
        FormFixture f;
        TForm1& form = f.Start();
        form.matchState.matchRunning = 1;
        form.matchState.moveCount = 5;
        form.Schema1->trigger();
        QVERIFY(f.boxes.shown.empty());
        QVERIFY(form.CB[0]->isVisibleTo(&form));

        form.RepaintMatchScreen();  // back on the board
        form.matchState.moveCount = 6;
        for (QAction* command : {form.Hrat1, form.Schema1, form.Edithracu1, form.Konechry1}) {
            f.boxes.shown.clear();
            command->trigger();
            QCOMPARE(f.boxes.shown.size(), size_t(1));
            QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Pozor!"));
            QCOMPARE(f.boxes.LastText(), QStringLiteral("Musíte nejdřív dohrát hru"));
            QVERIFY(form.boardImage->isVisibleTo(&form));
        }
        // A decided match no longer holds the user, whatever moveCount says.
        form.matchState.matchRunning = 0;
        f.boxes.shown.clear();
        form.Schema1->trigger();
        QVERIFY(f.boxes.shown.empty());
        QVERIFY(form.CB[0]->isVisibleTo(&form));
    }

    void infoText() {
        FormFixture f;
        TForm1& form = f.Start();
        form.matchState.matchRunning = 1;
        form.matchState.moveCount = 9;  // never guarded
        form.Info1->trigger();
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Informace o programu"));
        const QStringList lines = f.boxes.LastText().split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Program:\t\tKarvelo"));
        QVERIFY(lines[1].startsWith(QStringLiteral("Autor:\t\t")) && lines[1].size() > 8);
        QCOMPARE(lines[2], QStringLiteral("Datum vydání:\t21.4.2008"));
        QCOMPARE(lines[3], QStringLiteral("Verze:\t\t1.0"));

        // The real box is wider than its caption in a title bar's bold type, with room for the title
        // bar's buttons, so the window manager shows the caption whole.
        QtMessageBoxes boxes;
        int width = 0;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                width = box->width();
                box->close();
            }
        });
        boxes.Inform(f.boxes.LastCaption(), f.boxes.LastText());
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(f.boxes.LastCaption()) + 120,
                 qPrintable(QString::number(width)));
    }

    void missingHelpFileIsReported() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Help1->trigger();
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QVERIFY(f.boxes.LastText().contains(QStringLiteral("NAPOVEDA.HLP")));
    }

    void settingsPage() {
        FormFixture f;
        TForm1& form = f.Start();
        QTest::mouseClick(form.boardImage, Qt::LeftButton, {}, QPoint(20, 20));  // Ocean
        form.Schema1->trigger();
        QComboBox* themes = form.CB[0];
        QCOMPARE(form.L[0]->text(), QStringLiteral("Prostředí:"));
        QCOMPARE(form.L[0]->pos(), QPoint(20, 20));
        QCOMPARE(themes->geometry().topLeft(), QPoint(100, 15));
        QCOMPARE(themes->width(), 80);
        QCOMPARE(themes->count(), 4);
        QCOMPARE(themes->itemText(3), QStringLiteral("Mystery"));
        QCOMPARE(themes->currentIndex(), 2);
        QVERIFY(!themes->isEditable());

        themes->setCurrentIndex(3);
        form.CB0Change();
        QCOMPARE(form.settings.themeIndex, 3);
        QCOMPARE(form.settings.themePath, std::string("obr/Mystery/"));
        QCOMPARE(Background(form), QColor(111, 0, 0));
        QCOMPARE(QColor(form.images.frameBitmaps[0].pixel(0, 0)), ColourOf("obr/Mystery/LHroh.bmp"));
    }

    void failedThemeLoadKeepsTheNewTheme() {
        FormFixture f;
        QFile::remove(f.dir.filePath("obr/Garden/Pole.bmp"));
        TForm1& form = f.Start();
        form.Schema1->trigger();
        form.CB[0]->setCurrentIndex(1);
        QVERIFY_THROWS_EXCEPTION(ImageLoadError, form.CB0Change());
        QCOMPARE(form.settings.themeIndex, 1);
        QCOMPARE(Background(form), QColor(0, 128, 0));
        // The frame was replaced before the failing file; the fields kept the previous theme.
        QCOMPARE(QColor(form.images.frameBitmaps[8].pixel(0, 0)), ColourOf("obr/Garden/infoa.bmp"));
        QCOMPARE(QColor(form.images.fieldBitmaps[0].pixel(0, 0)), ColourOf("obr/Gothic/Pole.bmp"));
    }

    void fieldSizeIsMeasuredOnlyAtStartup() {
        FormFixture f;
        QImage big(30, 30, QImage::Format_RGB32);
        big.fill(Qt::red);
        big.save(f.dir.filePath("obr/Garden/Pole.bmp"), "BMP");
        TForm1& form = f.Start();
        form.Schema1->trigger();
        form.CB[0]->setCurrentIndex(1);
        form.CB0Change();
        QCOMPARE(form.images.fieldBitmaps[0].width(), 30);
        QCOMPARE(form.matchState.cellWidth, 20);
        QCOMPARE(form.matchState.cellHeight, 20);
    }

    void startupFailsOnAMissingImage() {
        FormFixture f;
        QFile::remove(f.dir.filePath("obr/Gothic/LHroh.bmp"));
        try {
            f.Start();
            QFAIL("start-up went on without its frame corner");
        } catch (const ImageLoadError& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("obr/Gothic/LHroh.bmp")));
        }
    }

    void missingRosterStartsWithTheDefaultAndCreatesTheFile() {
        FormFixture f(QByteArray{});
        TForm1& form = f.Start();
        QVERIFY(form.roster.rosterCount > 0);
        QVERIFY(f.ReadFile("data.dat").endsWith('#'));
        QVERIFY(f.boxes.shown.empty());
    }

    void damagedRosterIsReportedOnce() {
        FormFixture f("Alfa      500x0\r\nBeta      6");
        TForm1& form = f.Start();
        QCOMPARE(form.roster.rosterCount, 1);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Pozor!"));
        QVERIFY(f.boxes.LastText().contains(QStringLiteral("data.dat.bak")));
    }

    void konecClosesTheWindow() {
        FormFixture f;
        TForm1& form = f.Start();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Konechry1->trigger();
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
