// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped tiles on the screen at the device pixel ratio the run starts with: CTest runs this at
// QT_SCALE_FACTOR 1 and 2. At 2 every tile is its @2x twin, pixel for pixel where the 1x tile's
// pixels stand at 1; at 1 the 1x tiles, pixel for pixel, although the twins lie beside them.

#include "support/form_fixture.h"
#include "zarn/client_surface.h"
#include "zarn/tile_files.h"

#include <QDir>
#include <QPushButton>

using namespace zarn;
using zarn::test::FormFixture;

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

QString Shipped(const QString& name) { return QStringLiteral(SHIPPED_DATA_DIR "/") + name; }

// The file the screen should show for a tile at this run's ratio.
QImage Expected(const QString& name) {
    const QString file =
        Ratio() > 1 ? QString(name).replace(QLatin1String(".bmp"), QLatin1String("@2x.bmp")) : name;
    const QImage image(Shipped(file));
    if (image.isNull()) qFatal("cannot read the shipped %s", qPrintable(file));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Empty when the field's place on the screen shows the tile pixel for pixel; else the first mismatch.
QString Mismatch(const QImage& screen, int row, int column, const QImage& tile) {
    const int r = qRound(Ratio());
    const int left = (kFieldOrigin + kFieldPitch * (column - 1)) * r,
              top = (kFieldOrigin + kFieldPitch * (row - 1)) * r;
    if (tile.size() != QSize(kFieldPitch, kFieldPitch) * r) return QStringLiteral("a tile of another size");
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (screen.pixel(left + x, top + y) != tile.pixel(x, y))
                return QStringLiteral("tile pixel (%1, %2)").arg(x).arg(y);
    return {};
}

QImage Screen(const FormFixture& f) {
    return f.form->Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The fixture's working folder gets the shipped tiles and their twins in place of its test tiles.
void UseShippedTiles() {
    for (const QString& name :
         QDir(QStringLiteral(SHIPPED_DATA_DIR)).entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        QFile::remove(name);
        if (!QFile::copy(Shipped(name), name)) qFatal("cannot copy %s", qPrintable(name));
    }
}

}  // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The ratio is the one CTest asked for; anything else would test nothing.
        QCOMPARE(Ratio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    }

    void uncoveredTilesAndTheMine() {
        FormFixture f;
        UseShippedTiles();
        f.form->Button1Click();
        // Mines down column 5: the flood from (1, 1) uncovers columns 1 to 4; (1, 4) has two
        // mines around it, (5, 4) three.
        f.Lay(std::vector<std::string>(10, "....*....."));
        f.Click(1, 1);
        QCOMPARE(f.form->field.cells[5][4], int(csNumber));
        const QImage screen = Screen(f);
        QCOMPARE(Mismatch(screen, 1, 1, Expected("zarn0.bmp")), QString());
        QCOMPARE(Mismatch(screen, 10, 3, Expected("zarn0.bmp")), QString());
        QCOMPARE(Mismatch(screen, 1, 4, Expected("zarn2.bmp")), QString());
        QCOMPARE(Mismatch(screen, 5, 4, Expected("zarn3.bmp")), QString());

        QString mine;
        f.boxes.whileOpen = [&](const QString&) { mine = Mismatch(Screen(f), 3, 5, Expected("mina.bmp")); };
        f.Click(3, 5);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Mina! Prohráli jste!")});
        QCOMPARE(mine, QString());
    }

    // The 1x tile is the required one: a twin that is missing, damaged or of the wrong size leaves
    // the 1x tile in place, without a word.
    void unusableTwinsFallBackSilently() {
        FormFixture f;
        UseShippedTiles();
        QFile::remove(QStringLiteral("zarn1@2x.bmp"));
        QFile(QStringLiteral("zarn2@2x.bmp")).resize(600);
        QFile::remove(QStringLiteral("zarn3@2x.bmp"));
        QFile::copy(QStringLiteral("zarn3.bmp"), QStringLiteral("zarn3@2x.bmp"));
        for (const char* name : {"zarn1.bmp", "zarn2.bmp", "zarn3.bmp"}) {
            const QImage tile = LoadTile(name, Ratio());
            QCOMPARE(tile.size(), QSize(20, 20));
            QCOMPARE(tile.devicePixelRatio(), 1.0);
        }
        QCOMPARE(LoadTile("zarn4.bmp", Ratio()).deviceIndependentSize(), QSizeF(20, 20));
    }
};

ZARN_TEST_MAIN(HighDensityTest)
#include "test_high_density.moc"
