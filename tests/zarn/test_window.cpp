// SPDX-License-Identifier: GPL-3.0-or-later
// The window: controls, layout of the field per difficulty, painted tiles, loss and win.

#include "support/form_fixture.h"
#include "zarn/client_surface.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

using namespace zarn;
using zarn::test::FormFixture;
using zarn::test::TileFolder;

namespace {
const std::vector<std::string> kWalledField(10, "....*.....");  // column 5 all mines
}

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithMenuLabelsAndNoField() {
        FormFixture f;
        TForm1& form = *f.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Zarn"));
        QCOMPARE(form.Client()->size(), QSize(411, 459));
        QCOMPARE(form.Client()->mapTo(&form, QPoint(0, 0)).y(), form.MainMenu1->height());
        QCOMPARE(form.Button1->geometry(), QRect(8, 428, 75, 25));
        QCOMPARE(form.Button1->text(), QStringLiteral("Začít hru"));
        QCOMPARE(form.Label1->pos(), QPoint(8, 409));
        QVERIFY(form.Label1->text().isEmpty());
        QCOMPARE(form.Label2->pos(), QPoint(248, 428));
        QCOMPARE(form.Label2->text(), QStringLiteral("časovač"));
        QCOMPARE(form.Label3->pos(), QPoint(202, 428));
        QCOMPARE(form.Label3->text(), QStringLiteral("Váš čas:"));
        QCOMPARE(form.Label3->width(), form.Label3->sizeHint().width());
        QCOMPARE(form.font().pixelSize(), 11);

        QCOMPARE(form.MainMenu1->actions().size(), 1);
        QCOMPARE(form.N1->title(), QStringLiteral("Menu"));
        QCOMPARE(form.N1->actions().size(), 2);
        QCOMPARE(form.N1->actions()[0]->menu(), form.Novhra1);
        QCOMPARE(form.Novhra1->title(), QStringLiteral("Obtížnost"));
        QCOMPARE(form.N1->actions()[1], form.Ukonit1);
        QCOMPARE(form.Ukonit1->text(), QStringLiteral("Ukončit"));
        QCOMPARE(form.Novhra1->actions(), (QList<QAction*>{form.Lehk1, form.Stedn1, form.k1}));
        QCOMPARE(form.Lehk1->text(), QStringLiteral("Lehká"));
        QCOMPARE(form.Stedn1->text(), QStringLiteral("Střední"));
        QCOMPARE(form.k1->text(), QStringLiteral("Těžká"));
        QVERIFY(!form.Lehk1->isCheckable());

        QCOMPARE(f.VisibleFieldButtons(), 0);
        QCOMPARE(form.field.difficulty, 1);
        QCOMPARE(form.field.fieldSize, 0);
        QCOMPARE(form.field.mineTarget, 0);
    }

    void fieldButtonsAreNamedPressableButtonsForScreenReaders() {
        FormFixture f;
        QSet<QString> names;
        for (int row = 1; row <= 20; ++row) {
            for (int column = 1; column <= 20; ++column) {
                QAccessibleInterface* button =
                    QAccessible::queryAccessibleInterface(f.form->buttons[row][column]);
                QCOMPARE(button->role(), QAccessible::Button);
                names.insert(button->text(QAccessible::Name));
            }
        }
        QCOMPARE(names.size(), 400);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(f.form->buttons[3][7]);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Řádek 3, sloupec 7: zakryté"));

        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".......*.."));  // (3,7) is numbered: uncovers alone
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents();
        QVERIFY(f.form->buttons[3][7]->IsUncovered());
    }

    void difficultyMenuSetsOnlyTheDifficulty() {
        FormFixture f;
        f.form->k1->trigger();
        QCOMPARE(f.form->field.difficulty, 3);
        f.form->Stedn1->trigger();
        QCOMPARE(f.form->field.difficulty, 2);
        f.form->Lehk1->trigger();
        QCOMPARE(f.form->field.difficulty, 1);
        QCOMPARE(f.VisibleFieldButtons(), 0);
    }

    void startGameLaysOutTheChosenField() {
        FormFixture f;
        TForm1& form = *f.form;
        form.k1Click();
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QCOMPARE(form.Label1->text(), QStringLiteral("Celkový počet min: 84"));
        QCOMPARE(f.VisibleFieldButtons(), 400);
        QCOMPARE(form.buttons[1][1]->geometry(), QRect(5, 5, 20, 20));
        QCOMPARE(form.buttons[7][3]->geometry(), QRect(45, 125, 20, 20));
        QCOMPARE(form.buttons[20][20]->geometry(), QRect(385, 385, 20, 20));

        form.Lehk1Click();
        form.Button1Click();
        QCOMPARE(form.Label1->text(), QStringLiteral("Celkový počet min: 12"));
        QCOMPARE(f.VisibleFieldButtons(), 100);
        for (int i = 1; i <= 20; ++i) {
            QVERIFY(form.buttons[11][i]->isHidden());
            QVERIFY(form.buttons[i][11]->isHidden());
        }
        QVERIFY(!form.buttons[10][10]->isHidden());
    }

    void tilesStayPaintedUntilTheNextField() {
        FormFixture f;
        f.form->Button1Click();
        // (10,1) is walled in by mines, so uncovering the rest does not win.
        f.Lay({"*.*.......", "**........", "..........", "..........", "..........", "..........",
               "..........", "..........", "**........", ".*........"});
        f.Click(1, 2);
        QVERIFY(f.form->buttons[1][2]->IsUncovered());
        QCOMPARE(f.SurfaceAt(1, 2), TileFolder::ColourOf("zarn4.bmp"));
        QCOMPARE(f.ScreenAt(1, 2), TileFolder::ColourOf("zarn4.bmp"));  // repainted from the surface

        f.Click(10, 10);  // flood fill over the blank part
        QCOMPARE(f.SurfaceAt(10, 10), TileFolder::ColourOf("zarn0.bmp"));
        QCOMPARE(f.ScreenAt(3, 1), TileFolder::ColourOf("zarn2.bmp"));
        QVERIFY(f.boxes.shown.isEmpty());

        f.form->Button1Click();
        QCOMPARE(f.SurfaceAt(1, 2).alpha(), 0);
        QCOMPARE(f.SurfaceAt(10, 10).alpha(), 0);
        QVERIFY(f.ScreenAt(3, 1) != TileFolder::ColourOf("zarn2.bmp"));
        QCOMPARE(f.VisibleFieldButtons(), 100);
    }

    void mineShowsItsTileThenTheMessageThenANewField() {
        FormFixture f;
        f.clock.milliseconds = 3700;
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[4][6] = csMine;
        const std::uint32_t generation = f.form->field.generation;
        QColor whileOpen;
        f.boxes.whileOpen = [&](const QString&) {
            whileOpen = f.SurfaceAt(4, 6);
            QVERIFY(f.form->buttons[4][6]->IsUncovered());
            f.clock.milliseconds = 20000;
        };
        f.Click(4, 6);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Mina! Prohráli jste!")});
        QCOMPARE(whileOpen, TileFolder::ColourOf("mina.bmp"));
        QCOMPARE(f.form->field.generation, generation + 1);
        QCOMPARE(f.VisibleFieldButtons(), 100);
        QCOMPARE(f.SurfaceAt(4, 6).alpha(), 0);
        QCOMPARE(f.form->field.startSeconds, 3);  // a loss does not restart the time
        f.form->Timer1Timer();
        QCOMPARE(f.form->Label2->text(), QStringLiteral("17"));
    }

    void oneClickCanWinTheGame() {
        FormFixture f;
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[10][10] = csMine;
        f.Click(1, 1);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Vyhráli jste!")});
        QCOMPARE(f.VisibleFieldButtons(), 100);
        QCOMPARE(f.form->field.minesPlaced, 12);
    }

    void fillStopsWhenTheTimeLimitReplacesTheField() {
        FormFixture f;
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[10][10] = csMine;
        f.form->Stedn1Click();
        f.clock.milliseconds = 460000;
        // The tick arrives a few fields into the fill: each event run passes it on once.
        std::function<void(int)> tickAfter = [&](int hops) {
            if (hops == 0)
                f.form->Timer1Timer();
            else
                QMetaObject::invokeMethod(
                    f.form.get(), [&, hops] { tickAfter(hops - 1); }, Qt::QueuedConnection);
        };
        QTest::mouseClick(f.form->buttons[1][1], Qt::LeftButton);
        tickAfter(5);
        QCoreApplication::sendPostedEvents();

        QCOMPARE(f.boxes.shown, QStringList{QString::fromUtf8(kTimeLimitText)});
        QCOMPARE(f.VisibleFieldButtons(), 100);  // nothing of the new field uncovered
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column) QCOMPARE(f.SurfaceAt(row, column).alpha(), 0);
    }

    void clickDuringAFillIsHandledAfterIt() {
        FormFixture f;
        f.form->Button1Click();
        f.Lay(kWalledField);
        QTest::mouseClick(f.form->buttons[1][1], Qt::LeftButton);
        QTest::mouseClick(f.form->buttons[5][9], Qt::LeftButton);  // arrives during the first fill
        QTest::mouseClick(f.form->buttons[9][2], Qt::LeftButton);  // uncovered by then: dropped
        QCoreApplication::sendPostedEvents();
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Vyhráli jste!")});
        QCOMPARE(f.VisibleFieldButtons(), 100);
    }
};

ZARN_TEST_MAIN(WindowTest)
#include "test_window.moc"
