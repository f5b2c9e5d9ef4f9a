// SPDX-License-Identifier: GPL-3.0-or-later
// What a player's press and key reach at the density the run starts with (CTest runs this at
// QT_SCALE_FACTOR 1, 1.5 and 2): presses travel through the window as the screen's own do, and
// the field that gets the symbol, the title picture's theme and the cursor's frame are checked
// in every theme, also for a theme whose pictures are larger than 20 x 20.

#include "karvelo/form1.h"
#include "support/form_fixture.h"
#include "support/shipped_pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace karvelo;
using karvelo::test::FormFixture;

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

struct ShippedFixture : FormFixture {
    ShippedFixture() : FormFixture(karvelo::test::standardRoster, false) {
        karvelo::test::CopyShippedPictures(dir.path());
    }
};

TForm1& StartShown(FormFixture& f) {
    TForm1& form = f.Start();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form)) qWarning("the window was not exposed");
    return form;
}

// A press as the screen delivers it: to the top-level window, which finds the widget under it.
void PressAt(TForm1& form, QWidget* widget, QPoint logical) {
    QWindow* window = form.windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, widget->mapTo(&form, logical));
}

void Key(TForm1& form, Qt::Key key) {
    QTest::keyClick(form.windowHandle(), key);  // to whichever widget has the focus
}

// The logical middle of field (column, row) as the board is laid out for 20 x 20 pictures.
QPoint FieldMiddle(int column, int row) { return {(column + 1) * 20 + 10, (row + 1) * 20 + 10}; }

// A theme on the title picture, then the set-up page's "Začít souboj": two humans, Alfa first.
void StartMatchInTheme(TForm1& form, int theme) {
    static const QPoint titlePoints[themeCount] = {{300, 100}, {300, 400}, {50, 50}, {460, 460}};
    PressAt(form, form.boardImage, titlePoints[theme]);
    QCOMPARE(form.settings.themeIndex, theme);
    QVERIFY(form.B[0]->isVisible());
    PressAt(form, form.B[0], QPoint(5, 5));
    QCOMPARE(form.matchState.matchRunning, 1);
}

int StateAt(const TForm1& form, int column, int row) { return form.matchState.board[column][row].state; }

// Whether any device pixel of the logical rectangle shows the colour: lines one logical pixel
// wide fall between device pixels at 1.5.
bool Shows(const QImage& screen, const QRect& logical, const QColor& colour) {
    const QRect device(logical.topLeft() * Ratio(), logical.size() * Ratio());
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (screen.pixelColor(x, y) == colour) return true;
    return false;
}

QRect FieldRect(int column, int row) { return {(column + 1) * 20, (row + 1) * 20, 20, 20}; }

}  // namespace

class BoardPressesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The ratio is the one CTest asked for; anything else would test nothing.
        QCOMPARE(Ratio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    }

    void everyTheme_data() {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < themeCount; ++t) QTest::newRow(themeNames[t]) << t;
    }

    // The fields of the report, the board's corners and the first and last pixel inside
    // the frame: each press places on the field the logical pixel lies in, whatever the density.
    void pressPlacesOnTheFieldUnderIt_data() { everyTheme_data(); }
    void pressPlacesOnTheFieldUnderIt() {
        QFETCH(int, theme);
        ShippedFixture f;
        TForm1& form = StartShown(f);
        StartMatchInTheme(form, theme);
        const struct {
            QPoint press;
            int column, row;
        } presses[] = {
            {FieldMiddle(15, 15), 15, 15}, {FieldMiddle(4, 18), 4, 18}, {QPoint(41, 41), 1, 1},
            {QPoint(439, 439), 20, 20},    {QPoint(439, 41), 20, 1},    {QPoint(59, 420), 1, 20},
            {FieldMiddle(10, 10), 10, 10}, {QPoint(240, 259), 11, 11},
        };
        int contestant = 1;
        for (const auto& p : presses) {
            PressAt(form, form.boardImage, p.press);
            QVERIFY2(StateAt(form, p.column, p.row) == contestant,
                     qPrintable(QStringLiteral("field %1, %2").arg(p.column).arg(p.row)));
            contestant = 3 - contestant;
        }
        // The frame is no field.
        const int moves = form.matchState.moveCount;
        for (QPoint frame : {QPoint(40, 200), QPoint(200, 40), QPoint(440, 200), QPoint(200, 470)})
            PressAt(form, form.boardImage, frame);
        QCOMPARE(form.matchState.moveCount, moves);
    }

    // A press on the first or the last device pixel of a field, as a dense screen reports it
    // (between two logical pixels), lies in that field.
    void devicePixelsAtFieldEdges() {
        ShippedFixture f;
        TForm1& form = StartShown(f);
        StartMatchInTheme(form, 0);
        QWindow* window = form.windowHandle();
        const QPoint origin = form.boardImage->mapTo(&form, QPoint(0, 0));
        auto pressDevicePixel = [&](int x, int y) {
            const QPointF local = QPointF(origin) + QPointF(x + 0.5, y + 0.5) / Ratio();
            const QPointF global = window->mapToGlobal(local);
            qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                QEvent::MouseButtonPress, Qt::NoModifier, 1000);
            qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton,
                                QEvent::MouseButtonRelease, Qt::NoModifier, 1010);
        };
        const int r = qRound(Ratio() * 2);  // device pixels per two logical pixels
        const struct {
            int x, y, column, row;
        } presses[] = {
            {60 * r / 2 - 1, 60 * r / 2 - 1, 1, 1},      // the last device pixel of field (1, 1)
            {60 * r / 2, 60 * r / 2 - 1, 2, 1},          // the first of field (2, 1)
            {440 * r / 2 - 1, 440 * r / 2 - 1, 20, 20},  // the last of field (20, 20)
            {100 * r / 2 - 1, 100 * r / 2, 3, 4},        // the last column of (3, 4), its first row
        };
        int contestant = 1;
        for (const auto& p : presses) {
            pressDevicePixel(p.x, p.y);
            QVERIFY2(StateAt(form, p.column, p.row) == contestant,
                     qPrintable(QStringLiteral("field %1, %2").arg(p.column).arg(p.row)));
            contestant = 3 - contestant;
        }
    }

    // Space places where the cursor is drawn and spoken.
    void spacePlacesUnderTheCursor_data() { everyTheme_data(); }
    void spacePlacesUnderTheCursor() {
        QFETCH(int, theme);
        ShippedFixture f;
        TForm1& form = StartShown(f);
        StartMatchInTheme(form, theme);
        QCOMPARE(QApplication::focusWidget(), form.boardImage);
        Key(form, Qt::Key_Right);  // shows the cursor at the centre
        for (int i = 0; i < 5; ++i) Key(form, Qt::Key_Right);
        for (int i = 0; i < 5; ++i) Key(form, Qt::Key_Down);
        // The cursor's frame stands on field (15, 15): its yellow ring is there and nowhere else.
        const QImage screen = form.boardImage->grab().toImage();
        const QColor ring(255, 214, 0);
        QVERIFY(Shows(screen, FieldRect(15, 15).adjusted(0, 0, 0, -18), ring));
        QVERIFY(!Shows(screen, FieldRect(14, 14), ring));
        QVERIFY(!Shows(screen, FieldRect(10, 10), ring));
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(form.boardImage)->focusChild();
        QVERIFY(cell != nullptr);
        QVERIFY(cell->text(QAccessible::Name).startsWith(QStringLiteral("Sloupec 15, řádek 15")));
        Key(form, Qt::Key_Space);
        QCOMPARE(StateAt(form, 15, 15), 1);
        for (int i = 0; i < 11; ++i) Key(form, Qt::Key_Left);
        for (int i = 0; i < 3; ++i) Key(form, Qt::Key_Down);
        Key(form, Qt::Key_Space);
        QCOMPARE(StateAt(form, 4, 18), 2);
        QCOMPARE(form.matchState.moveCount, 3);
    }

    // Pictures of 30 x 30 (twins of 60 x 60) make 30-pixel fields for the press, as the Part's
    // arithmetic gives from the logical size; the board drawn from the start-up size stays 20.
    void largerPicturesMapByTheirLogicalSize() {
        ShippedFixture f;
        QImage big(30, 30, QImage::Format_RGB32);
        big.fill(Qt::red);
        QVERIFY(big.save(f.dir.filePath("obr/Garden/Pole.bmp"), "BMP"));
        QImage twin(60, 60, QImage::Format_RGB32);
        twin.fill(Qt::darkRed);
        QVERIFY(twin.save(f.dir.filePath("obr/Garden/Pole@2x.bmp"), "BMP"));
        TForm1& form = StartShown(f);
        StartMatchInTheme(form, 1);
        PressAt(form, form.boardImage, QPoint(20 + 30 * 7 + 5, 20 + 30 * 12 + 29));
        QCOMPARE(StateAt(form, 7, 12), 1);
        PressAt(form, form.boardImage, QPoint(439, 50));
        QCOMPARE(StateAt(form, 13, 1), 2);
    }

    // The on-move picture covers its 20 x 20 logical pixels at every density, drawn from the
    // symbol's twin where the screen is dense.
    void turnPictureKeepsItsLogicalSize() {
        ShippedFixture f;
        TForm1& form = StartShown(f);
        StartMatchInTheme(form, 0);
        QCOMPARE(form.turnImage->geometry(), QRect(325, 10, 20, 20));
        QCOMPARE(form.turnImage->surface().deviceIndependentSize(), QSizeF(20, 20));
        QCOMPARE(form.images.Field(7, Ratio()).deviceIndependentSize(), QSizeF(20, 20));
    }

    // The computer's answer is marked at once: white brackets in the field's corners over a black
    // edge, the field's middle left to its symbol.
    void computersAnswerIsMarked() {
        ShippedFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.CB[2]->setCurrentIndex(3);  // Delta, a computer
        form.CB2Change();
        QVERIFY(form.CHB1->isChecked());
        PressAt(form, form.B[0], QPoint(5, 5));
        PressAt(form, form.boardImage, FieldMiddle(5, 5));
        const QRect answer = form.LastMove().MarkedField();
        QVERIFY(answer.isValid());
        QCOMPARE(StateAt(form, answer.left() / 20 - 1, answer.top() / 20 - 1), 2);
        const QImage picture = form.boardImage->surface();
        const QImage screen = form.boardImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(Shows(screen, QRect(answer.topLeft(), QSize(3, 3)), Qt::white));
        QVERIFY(Shows(screen, QRect(answer.bottomRight() - QPoint(2, 2), QSize(3, 3)), Qt::white));
        const QPoint middle = answer.center() * Ratio();
        QCOMPARE(screen.pixel(middle), picture.pixel(middle));
        // The human's own stone is unmarked again.
        const QPoint own = FieldMiddle(5, 5) * Ratio();
        QCOMPARE(screen.pixel(own - QPoint(9, 9) * Ratio()), picture.pixel(own - QPoint(9, 9) * Ratio()));
    }

    // Each move moves the mark; the five ends the match and the position stays unmarked.
    void markFollowsMovesAndGoesWithTheMatch() {
        ShippedFixture f;
        TForm1& form = StartShown(f);
        bool markedWhileAsked = true;
        f.boxes.whileOpen = [&] { markedWhileAsked = form.LastMove().MarkedField().isValid(); };
        StartMatchInTheme(form, 2);
        for (int row = 1; row <= 5; ++row) {
            PressAt(form, form.boardImage, FieldMiddle(3, row));
            if (row < 5) {
                QCOMPARE(form.LastMove().MarkedField(), FieldRect(3, row));
                PressAt(form, form.boardImage, FieldMiddle(9, row));
                QCOMPARE(form.LastMove().MarkedField(), FieldRect(9, row));
            }
        }
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Vyhrál Alfa"));
        QVERIFY(!markedWhileAsked);
        QVERIFY(!form.LastMove().MarkedField().isValid());
    }

    void clearedMarkPaintsThePictureAlone() {
        ShippedFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        PressAt(form, form.CHB1, QPoint(5, 5));
        QVERIFY(!form.CHB1->isChecked());
        PressAt(form, form.B[0], QPoint(5, 5));
        PressAt(form, form.boardImage, FieldMiddle(5, 5));
        QCOMPARE(StateAt(form, 5, 5), 1);
        QVERIFY(!form.LastMove().MarkedField().isValid());
        const QImage screen = form.boardImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen, form.boardImage->surface());
    }
};

QTEST_MAIN(BoardPressesTest)
#include "test_board_presses.moc"
