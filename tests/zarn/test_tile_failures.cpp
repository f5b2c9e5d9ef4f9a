// SPDX-License-Identifier: GPL-3.0-or-later
// A tile file that cannot be read: the error box from the application, and what the game keeps.

#include "support/form_fixture.h"
#include "zarn/client_surface.h"

#include <QPushButton>

using namespace zarn;
using zarn::test::FormFixture;
using zarn::test::TileFolder;

class TileFailureTest : public QObject {
    Q_OBJECT

private slots:
    void missingMineTileStillEndsTheGameBeforeTheError() {
        FormFixture f;
        f.tiles.Remove("mina.bmp");
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[2][2] = csMine;
        const std::uint32_t generation = f.form->field.generation;
        f.Click(2, 2);
        QCOMPARE(f.boxes.shown, (QStringList{QStringLiteral("Mina! Prohráli jste!"),
                                             QStringLiteral("ERROR: Obrázek „mina.bmp“ nelze načíst.")}));
        QCOMPARE(f.form->field.generation, generation + 1);
        QCOMPARE(f.VisibleFieldButtons(), 100);
        QCOMPARE(f.SurfaceAt(2, 2).alpha(), 0);
    }

    void missingNumberTileLeavesTheFieldCoveredAndTheGameGoesOn() {
        FormFixture f;
        f.tiles.Remove("zarn1.bmp");
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[1][1] = csMine;
        f.Click(1, 2);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("ERROR: Obrázek „zarn1.bmp“ nelze načíst.")});
        QCOMPARE(f.form->field.cells[1][2], int(csCovered));
        QVERIFY(!f.form->buttons[1][2]->isHidden());

        f.tiles.Restore("zarn1.bmp");
        f.Click(1, 2);
        QVERIFY(f.form->buttons[1][2]->IsUncovered());
        QCOMPARE(f.SurfaceAt(1, 2), TileFolder::ColourOf("zarn1.bmp"));
        QCOMPARE(f.boxes.shown.size(), 1);
    }

    // A tile cut short is refused like a missing one, before any of it reaches the screen.
    void truncatedNumberTileIsRefused_data() {
        QTest::addColumn<int>("keepBytes");
        QTest::newRow("600 bytes") << 600;
        QTest::newRow("60 bytes") << 60;
        QTest::newRow("the header only") << 54;
    }
    void truncatedNumberTileIsRefused() {
        QFETCH(int, keepBytes);
        FormFixture f;
        f.tiles.Truncate("zarn1.bmp", keepBytes);
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, ".........."));
        f.form->field.cells[1][1] = csMine;
        f.Click(1, 2);
        QCOMPARE(f.boxes.shown.size(), 1);
        QVERIFY2(f.boxes.shown[0].startsWith(
                     QStringLiteral("ERROR: Obrázek „zarn1.bmp“ nelze načíst, soubor je poškozený (")),
                 qPrintable(f.boxes.shown[0]));
        QCOMPARE(f.form->field.cells[1][2], int(csCovered));
        QVERIFY(!f.form->buttons[1][2]->isHidden());
        QCOMPARE(f.SurfaceAt(1, 2).alpha(), 0);  // nothing painted there
    }

    void missingBlankTileLeavesTheFieldBlankWithItsButton() {
        FormFixture f;
        f.tiles.Remove("zarn0.bmp");
        f.form->Button1Click();
        f.Lay(std::vector<std::string>(10, "....*....."));
        f.Click(1, 1);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("ERROR: Obrázek „zarn0.bmp“ nelze načíst.")});
        QCOMPARE(f.form->field.cells[1][1], int(csBlank));
        QVERIFY(!f.form->buttons[1][1]->isHidden());
        QCOMPARE(f.form->field.cells[2][1], int(csCovered));

        f.tiles.Restore("zarn0.bmp");
        f.Click(1, 1);  // neither a mine nor covered: only the win test runs
        QCOMPARE(f.boxes.shown.size(), 1);
        QVERIFY(!f.form->buttons[1][1]->isHidden());
        QCOMPARE(f.form->field.cells[2][1], int(csCovered));
    }
};

ZARN_TEST_MAIN(TileFailureTest)
#include "test_tile_failures.moc"
