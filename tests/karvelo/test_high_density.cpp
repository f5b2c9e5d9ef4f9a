// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped pictures on the screen at the device pixel ratio the run starts with: CTest runs this
// at QT_SCALE_FACTOR 1 and 2. At 2 every picture is its @2x twin, pixel for pixel where the 1x
// file's pixels stand at 1; at 1 the 1x files, pixel for pixel, although the twins lie beside them.

#include "karvelo/drawing.h"
#include "karvelo/form1.h"
#include "support/form_fixture.h"
#include "support/shipped_pictures.h"

#include <QDirIterator>
#include <QPushButton>
#include <QTest>

using namespace karvelo;
using karvelo::test::FormFixture;

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

// The file the screen should show for a picture at this run's ratio.
QImage Expected(const QString& path) {
    const QString file =
        Ratio() > 1 ? QString(path).replace(QLatin1String(".bmp"), QLatin1String("@2x.bmp")) : path;
    const QImage image(QStringLiteral(SHIPPED_DATA_DIR "/") + file);
    if (image.isNull()) qFatal("cannot read the shipped %s", qPrintable(file));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Screen(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Empty when the logical rectangle of the screen shows the picture filled from the surface's
// origin (device pixel (x, y) is picture pixel (x mod width, y mod height)); else the first mismatch.
QString Mismatch(const QImage& screen, const QRect& logical, const QImage& picture) {
    const int r = qRound(Ratio());
    for (int y = logical.top() * r; y < (logical.bottom() + 1) * r; ++y)
        for (int x = logical.left() * r; x < (logical.right() + 1) * r; ++x)
            if (screen.pixel(x, y) != picture.pixel(x % picture.width(), y % picture.height()))
                return QStringLiteral("device pixel (%1, %2)").arg(x).arg(y);
    return {};
}

// A folder with the shipped pictures and the standard roster; the window started in it.
struct ShippedFixture : FormFixture {
    ShippedFixture() : FormFixture(karvelo::test::standardRoster, false) {
        karvelo::test::CopyShippedPictures(dir.path());
    }
};

}  // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The ratio is the one CTest asked for; anything else would test nothing.
        QCOMPARE(Ratio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    }

    void titlePictureAndFieldSize() {
        ShippedFixture f;
        TForm1& form = f.Start();
        QCOMPARE(Mismatch(Screen(form.boardImage), QRect(0, 0, 480, 480), Expected("obr/karvelo.bmp")),
                 QString());
        QCOMPARE(form.matchState.cellWidth, 20);  // logical, whichever file was measured
        QCOMPARE(form.matchState.cellHeight, 20);
    }

    // The title picture is painted straight onto the screen, the same pixels whether the whole
    // board is painted or a strip of it, and the surface made later (a page that repaints the
    // board before any match) starts from the same picture.
    void titlePictureNeedsNoSurface() {
        ShippedFixture f;
        TForm1& form = f.Start();
        const QImage whole = Screen(form.boardImage);
        QVERIFY(std::as_const(*form.boardImage).surface().isNull());
        const QRect strip(37, 229, 90, 41);  // across strip boundaries, at odd logical pixels
        const QImage part = form.boardImage->grab(strip).toImage().convertToFormat(QImage::Format_RGB32);
        const int r = qRound(Ratio());
        QCOMPARE(part, whole.copy(strip.x() * r, strip.y() * r, strip.width() * r, strip.height() * r));
        QCOMPARE(form.boardImage->surface(), whole);
        QCOMPARE(Screen(form.boardImage), whole);
    }

    // A title twin cut short after its header was checked, or damaged, leaves the 1x picture.
    void titleTwinThatWillNotReadFallsBack_data() {
        QTest::addColumn<int>("keptBytes");
        QTest::newRow("rows cut short") << 900000;
        QTest::newRow("header cut") << 30;
    }
    void titleTwinThatWillNotReadFallsBack() {
        QFETCH(int, keptBytes);
        ShippedFixture f;
        QFile(f.dir.filePath("obr/karvelo@2x.bmp")).resize(keptBytes);
        TForm1& form = f.Start();
        QVERIFY(f.boxes.shown.empty());
        QImage expected(QSize(480, 480) * Ratio(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(Ratio());
        FillBoardRect(expected, form.images.frameBitmaps[9], 0, 0, 480, 480);
        QImage shown = Screen(form.boardImage);
        shown.setDevicePixelRatio(Ratio());
        QCOMPARE(shown, expected);
    }

    void everyThemesMatchScreen_data() {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < themeCount; ++t) QTest::newRow(themeNames[t]) << t;
    }
    void everyThemesMatchScreen() {
        QFETCH(int, theme);
        ShippedFixture f;
        TForm1& form = f.Start();
        form.settings.themeIndex = theme;
        form.settings.themePath = themePaths[theme];
        form.settings.symbolPath1 = symbolStems[0];
        form.settings.symbolPath2 = symbolStems[2];
        form.LoadThemeImages();
        form.PaintBoardFrame();
        MatchState& m = form.matchState;
        ResetBoard(m);
        m.playerOnMove = 2;
        m.showFieldValues = 1;
        m.board[2][1].picture = 1;
        m.board[3][1].picture = 7;
        m.board[20][20].picture = 6;
        m.board[5][7].value = 7;
        m.board[6][7].value = 55;
        form.RepaintMatchScreen();

        const QString t = QLatin1String(themePaths[theme]);
        const QImage board = Screen(form.boardImage);
        const struct {
            QRect area;
            QString file;
        } expected[] = {
            {{0, 0, 40, 40}, "LHroh.bmp"},          {{440, 0, 40, 40}, "PHroh.bmp"},
            {{440, 440, 40, 40}, "PDroh.bmp"},      {{0, 440, 40, 40}, "LDroh.bmp"},
            {{40, 0, 80, 40}, "Hbok.bmp"},          {{360, 0, 80, 40}, "Hbok.bmp"},
            {{440, 40, 40, 400}, "Pbok.bmp"},       {{40, 440, 400, 40}, "Dbok.bmp"},
            {{0, 40, 40, 400}, "Lbok.bmp"},         {{120, 0, 240, 40}, "infoa.bmp"},
            {{40, 40, 20, 20}, "Pole.bmp"},         {{200, 200, 20, 20}, "Pole.bmp"},
            {{60, 40, 20, 20}, "Kolo/znak1.bmp"},   {{80, 40, 20, 20}, "Kolo/znak0.bmp"},
            {{420, 420, 20, 20}, "Znk1/znak3.bmp"}, {{120, 160, 20, 20}, "Cisla/7.bmp"},
            {{140, 160, 20, 20}, "Cisla/+++.bmp"},
        };
        for (const auto& e : expected)
            QVERIFY2(Mismatch(board, e.area, Expected(t + e.file)).isEmpty(), qPrintable(e.file));
        QCOMPARE(Mismatch(Screen(form.turnImage), QRect(0, 0, 20, 20), Expected(t + "Znk1/znak0.bmp")),
                 QString());
    }

    // Start-up reads the 31 required pictures and no twin but the title picture's, the one drawn
    // before the window shows (its pixels are checked above); a twin is read when first drawn,
    // and never at a ratio of 1.
    void twinsAreReadWhenFirstDrawn() {
        ShippedFixture f;
        TForm1& form = f.Start();
        auto lookedFor = [&form] {
            QList<int> read;
            for (int i = 0; i < int(form.images.twins.size()); ++i)
                if (form.images.twins[i].lookedFor) read << i;
            return read;
        };
        QCOMPARE(lookedFor(), QList<int>{});  // the title's twin, painted, is let go at once
        QVERIFY(form.images.twins[9].twin.isNull());
        form.Hrat1->trigger();
        form.B[0]->click();
        // The match start reloads the pictures after painting the frame: what the reloaded set has
        // drawn is the empty field and the on-move symbol, no value mark and no other variant.
        const QList<int> drawn = {10, 17};
        QCOMPARE(lookedFor(), Ratio() > 1 ? drawn : QList<int>{});
    }

    // The 1x file is the required one: a twin that is missing, damaged or of the wrong size leaves
    // its 1x picture in place, without a word.
    void unusableTwinsFallBackSilently() {
        ShippedFixture f;
        QFile::remove(f.dir.filePath("obr/Gothic/Pole@2x.bmp"));
        QFile(f.dir.filePath("obr/Gothic/Kolo/znak1@2x.bmp")).resize(600);
        QFile::remove(f.dir.filePath("obr/Gothic/Kriz/znak1@2x.bmp"));
        QFile::copy(f.dir.filePath("obr/Gothic/Kriz/znak1.bmp"),
                    f.dir.filePath("obr/Gothic/Kriz/znak1@2x.bmp"));
        TForm1& form = f.Start();
        QVERIFY(f.boxes.shown.empty());
        for (int entry : {0, 1, 4}) {
            QCOMPARE(form.images.Field(entry, Ratio()).size(), QSize(20, 20));
            QCOMPARE(form.images.Field(entry, Ratio()).devicePixelRatio(), 1.0);
        }
        QCOMPARE(form.images.Field(2, Ratio()).devicePixelRatio(), Ratio() > 1 ? 2.0 : 1.0);
        QCOMPARE(form.matchState.cellWidth, 20);
    }
};

QTEST_MAIN(HighDensityTest)
#include "test_high_density.moc"
