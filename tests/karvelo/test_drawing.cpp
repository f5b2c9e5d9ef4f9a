// SPDX-License-Identifier: GPL-3.0-or-later
// The images in use and the drawing of the match screen, read back pixel by pixel.

#include "karvelo/drawing.h"
#include "karvelo/form1.h"
#include "karvelo/picture_control.h"
#include "support/form_fixture.h"

#include <QLabel>
#include <QTest>

using namespace karvelo;
using karvelo::test::ColourOf;
using karvelo::test::FormFixture;

namespace {
QColor At(const QImage& surface, int x, int y) { return QColor(surface.pixel(x, y)); }
QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x + y) % 256));
    return image;
}
// A field's top-left pixel on the board.
QColor FieldColour(const TForm1& form, int i, int j) {
    return At(form.boardImage->surface(), (i + 1) * 20, (j + 1) * 20);
}
}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void fillIsAnchoredAtTheSurfaceOrigin() {
        QImage surface(480, 480, QImage::Format_RGB32);
        surface.fill(Qt::black);
        const QImage pattern = Gradient(13, 17);
        FillBoardRect(surface, pattern, 37, 5, 140, 61);
        for (int x = 37; x < 140; x += 3)
            for (int y = 5; y < 61; y += 2) QCOMPARE(surface.pixel(x, y), pattern.pixel(x % 13, y % 17));
        QCOMPARE(At(surface, 36, 5), QColor(Qt::black));
        QCOMPARE(At(surface, 140, 5), QColor(Qt::black));
        QCOMPARE(At(surface, 37, 61), QColor(Qt::black));
        // A pattern on the field grid is a plain copy.
        const QImage field = Gradient(20, 20);
        FillBoardRect(surface, field, 60, 80, 80, 100);
        QCOMPARE(surface.pixel(65, 93), field.pixel(5, 13));
    }

    // Between ratios 1 and 2 a twin is scaled down smoothly, in the plain copy and in the repeated
    // fill alike: its one-pixel stripes blend into grey instead of some being dropped.
    void twinsAreScaledDownSmoothlyBetweenRatiosOneAndTwo() {
        QImage surface(60, 60, QImage::Format_RGB32);  // 40 x 40 logical pixels at ratio 1.5
        surface.setDevicePixelRatio(1.5);
        surface.fill(Qt::red);
        QImage twin(40, 40, QImage::Format_RGB32);
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 40; ++y) twin.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        twin.setDevicePixelRatio(2);
        FillBoardRect(surface, twin, 20, 0, 40, 20);  // on the field grid: one plain copy
        FillBoardRect(surface, twin, 3, 21, 37, 39);  // anywhere else: repeated from the origin
        // Most device pixels of the area are grey, and none shows the red ground.
        auto greys = [&](int left, int top, int right, int bottom) {
            int count = 0, all = 0;
            for (int x = left; x < right; ++x)
                for (int y = top; y < bottom; ++y, ++all) {
                    const QColor c = surface.pixelColor(x, y);
                    if (c.red() != c.blue()) return false;
                    if (c.red() > 20 && c.red() < 235) ++count;
                }
            return count * 10 >= all * 9;
        };
        QVERIFY(greys(31, 1, 59, 29));
        QVERIFY(greys(6, 33, 54, 57));
    }

    // The surfaces hold device pixels; a new ratio (another screen) gets a new surface, the same
    // ratio keeps what was painted.
    void surfaceFollowsTheDeviceRatio() {
        PictureControl picture(480, 480, 2.0);
        QCOMPARE(picture.surface().size(), QSize(960, 960));
        QCOMPARE(picture.surface().devicePixelRatio(), 2.0);
        picture.surface().fill(Qt::green);
        picture.SetDeviceRatio(2.0);
        QCOMPARE(QColor(picture.surface().pixel(959, 959)), QColor(Qt::green));
        picture.SetDeviceRatio(1.5);
        QCOMPARE(picture.surface().size(), QSize(720, 720));
        QCOMPARE(picture.surface().devicePixelRatio(), 1.5);
        QCOMPARE(picture.size(), QSize(480, 480));
    }

    void frameAndPanelStrip() {
        FormFixture f;
        TForm1& form = f.Start();
        form.PaintBoardFrame();
        const QImage& board = form.boardImage->surface();
        const struct {
            int x, y;
            const char* file;
        } probes[] = {{0, 0, "LHroh"},    {39, 39, "LHroh"}, {440, 0, "PHroh"}, {479, 479, "PDroh"},
                      {0, 479, "LDroh"},  {40, 0, "Hbok"},   {119, 39, "Hbok"}, {120, 0, "infoa"},
                      {359, 39, "infoa"}, {360, 0, "Hbok"},  {440, 40, "Pbok"}, {300, 440, "Dbok"},
                      {0, 40, "Lbok"},    {39, 439, "Lbok"}};
        for (const auto& p : probes)
            QCOMPARE(At(board, p.x, p.y), ColourOf(QStringLiteral("obr/Gothic/%1.bmp").arg(p.file)));
        QCOMPARE(At(board, 40, 40), ColourOf("obr/karvelo.bmp"));  // the inside is left alone
    }

    void valueMarksFollowTheirThresholds_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("file");
        QTest::newRow("0 keeps the picture") << 0 << "Kolo/znak2.bmp";
        QTest::newRow("-100 keeps the picture") << -100 << "Kolo/znak2.bmp";
        QTest::newRow("1") << 1 << "Cisla/1.bmp";
        QTest::newRow("9") << 9 << "Cisla/9.bmp";
        QTest::newRow("10") << 10 << "Cisla/+.bmp";
        QTest::newRow("29") << 29 << "Cisla/+.bmp";
        QTest::newRow("30") << 30 << "Cisla/++.bmp";
        QTest::newRow("49") << 49 << "Cisla/++.bmp";
        QTest::newRow("50") << 50 << "Cisla/+++.bmp";
        QTest::newRow("1000") << 1000 << "Cisla/+++.bmp";
    }
    void valueMarksFollowTheirThresholds() {
        QFETCH(int, value);
        QFETCH(QString, file);
        FormFixture f;
        TForm1& form = f.Start();
        ResetBoard(form.matchState);
        form.matchState.playerOnMove = 1;
        form.matchState.board[7][3] = {1, value, 2};
        form.matchState.showFieldValues = 1;
        form.RepaintMatchScreen();
        QCOMPARE(FieldColour(form, 7, 3), ColourOf("obr/Gothic/" + file));
        form.matchState.showFieldValues = 0;
        form.RepaintMatchScreen();
        QCOMPARE(FieldColour(form, 7, 3), ColourOf("obr/Gothic/Kolo/znak2.bmp"));
    }

    void matchScreenShowsFieldsPanelAndTurn() {
        FormFixture f;
        TForm1& form = f.Start();
        MatchState& m = form.matchState;
        ResetBoard(m);
        m.contestantIndex1 = 2;  // V\xec ra, stored in code page 1250
        m.contestantIndex2 = 3;
        m.playerOnMove = 2;
        m.board[1][1].picture = 7;
        m.board[20][20].picture = 8;
        m.board[20][1].picture = 5;
        form.RepaintMatchScreen();
        QCOMPARE(FieldColour(form, 1, 1), ColourOf("obr/Gothic/Kolo/znak0.bmp"));
        QCOMPARE(FieldColour(form, 20, 20), ColourOf("obr/Gothic/Kriz/znak0.bmp"));
        QCOMPARE(At(form.boardImage->surface(), 439, 439), ColourOf("obr/Gothic/Kriz/znak0.bmp"));
        QCOMPARE(FieldColour(form, 20, 1), ColourOf("obr/Gothic/Kriz/znak2.bmp"));
        QCOMPARE(FieldColour(form, 2, 1), ColourOf("obr/Gothic/Pole.bmp"));
        QCOMPARE(At(form.turnImage->surface(), 10, 10), ColourOf("obr/Gothic/Kriz/znak0.bmp"));
        QCOMPARE(form.turnImage->geometry(), QRect(325, 10, 20, 20));
        QCOMPARE(form.L[11]->text(), QStringLiteral("<"));
        QCOMPARE(form.L[11]->pos(), QPoint(197, 20));
        QCOMPARE(form.L[12]->text(), QStringLiteral("Věra"));
        QCOMPARE(form.L[12]->pos(), QPoint(130, 7));
        QCOMPARE(form.L[13]->text(), QStringLiteral("Delta"));
        QCOMPARE(form.L[13]->pos(), QPoint(130, 20));
        QCOMPARE(form.L[14]->text(), QStringLiteral("480"));
        QCOMPARE(form.L[14]->pos(), QPoint(175, 7));
        QCOMPARE(form.L[15]->text(), QStringLiteral("710"));
        QCOMPARE(form.L[15]->pos(), QPoint(175, 20));
        for (int slot = 11; slot <= 15; ++slot) QVERIFY(form.L[slot]->isVisibleTo(&form));
        QVERIFY(form.boardImage->isVisibleTo(&form));
        QVERIFY(form.turnImage->isVisibleTo(&form));
        m.playerOnMove = 1;
        form.RepaintMatchScreen();
        QCOMPARE(form.L[11]->pos(), QPoint(197, 7));
        QCOMPARE(At(form.turnImage->surface(), 0, 0), ColourOf("obr/Gothic/Kolo/znak0.bmp"));
    }

    void loadOrderAndPartialFailure() {
        FormFixture f;
        QFile::remove(f.dir.filePath("obr/Ocean/Znk1/znak3.bmp"));
        TForm1& form = f.Start();
        form.settings.themePath = "obr/Ocean/";
        form.settings.symbolPath1 = "Znk1/znak";
        QVERIFY_THROWS_EXCEPTION(ImageLoadError, form.LoadThemeImages());
        auto colour = [](const QImage& image) { return QColor(image.pixel(0, 0)); };
        QCOMPARE(colour(form.images.frameBitmaps[4]), ColourOf("obr/Ocean/Hbok.bmp"));
        QCOMPARE(colour(form.images.frameBitmaps[9]), ColourOf("obr/karvelo.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[0]), ColourOf("obr/Ocean/Pole.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[1]), ColourOf("obr/Ocean/Znk1/znak1.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[2]), ColourOf("obr/Ocean/Znk1/znak2.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[3]), ColourOf("obr/Gothic/Kolo/znak3.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[8]), ColourOf("obr/Gothic/Kriz/znak0.bmp"));
        QCOMPARE(colour(form.images.valueBitmaps[0]), ColourOf("obr/Gothic/Cisla/+.bmp"));

        QFile::copy(f.dir.filePath("obr/Ocean/Znk1/znak2.bmp"), f.dir.filePath("obr/Ocean/Znk1/znak3.bmp"));
        form.LoadThemeImages();
        QCOMPARE(colour(form.images.fieldBitmaps[4]), ColourOf("obr/Ocean/Kriz/znak1.bmp"));
        QCOMPARE(colour(form.images.fieldBitmaps[7]), ColourOf("obr/Ocean/Znk1/znak0.bmp"));
        QCOMPARE(colour(form.images.valueBitmaps[10]), ColourOf("obr/Ocean/Cisla/++.bmp"));
        QCOMPARE(colour(form.images.valueBitmaps[11]), ColourOf("obr/Ocean/Cisla/+++.bmp"));
        QCOMPARE(colour(form.images.valueBitmaps[5]), ColourOf("obr/Ocean/Cisla/5.bmp"));
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
