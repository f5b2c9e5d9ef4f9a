// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks and Space at the device pixel ratio the run starts with (CTest runs this at QT_SCALE_FACTOR
// 1, 1.5 and 2): the field that is uncovered is the one under the pointer or the cursor, and its
// tile, a twin of twice the pixels above 1, covers exactly that field's 20 x 20 logical pixels.
// Clicks enter as the platform delivers them, at device pixels of the window, so they pass
// through the same scaling as a real pointer.

#include "support/form_fixture.h"
#include "zarn/client_surface.h"

#include <QApplication>
#include <QWindow>
#include <cmath>

using namespace zarn;
using zarn::test::FormFixture;

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

// A 20 x 20 field where every safe field has a mine beside it, so a click uncovers one field only.
std::vector<std::string> SpottedField() {
    std::vector<std::string> rows(20, std::string(20, '.'));
    for (int row = 2; row <= 20; row += 3)
        for (int column = 2; column <= 20; column += 3) rows[row - 1][column - 1] = '*';
    return rows;
}

QColor TwinColour(const QString& fileName) { return test::TileFolder::ColourOf(fileName).darker(200); }

// Beside every test tile a twin of twice its size in a colour of its own.
void WriteTwins() {
    QStringList names{QStringLiteral("mina.bmp")};
    for (int digit = 0; digit <= 8; ++digit) names << QStringLiteral("zarn%1.bmp").arg(digit);
    for (const QString& name : names) {
        QImage twin(40, 40, QImage::Format_RGB32);
        twin.fill(TwinColour(name));
        twin.save(QString(name).replace(QLatin1String(".bmp"), QLatin1String("@2x.bmp")), "BMP");
    }
}

// The colour a tile shows at this ratio.
QColor TileColour(const QString& name) {
    return Ratio() > 1 ? TwinColour(name) : test::TileFolder::ColourOf(name);
}

// The device pixels of the window that lie wholly inside the field.
QRect DeviceRect(const FormFixture& f, int row, int column) {
    const QPoint logical = f.form->Client()->mapTo(f.form.get(), f.form->buttons[row][column]->pos());
    const qreal r = Ratio();
    return QRect(QPoint(int(std::ceil(logical.x() * r)), int(std::ceil(logical.y() * r))),
                 QPoint(int(std::floor((logical.x() + kFieldPitch) * r)) - 1,
                        int(std::floor((logical.y() + kFieldPitch) * r)) - 1));
}

// A press and release at the device pixel `at` of the window, as the platform reports a pointer.
void ClickDevicePixel(FormFixture& f, QPoint at) {
    QWindow* window = f.form->windowHandle();
    const QPointF local = QPointF(at) / Ratio();
    const QPointF global = window->mapToGlobal(local);
    qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                        Qt::NoModifier, 1000);
    qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                        Qt::NoModifier, 1010);
    QCoreApplication::sendPostedEvents();  // a field's click is delivered queued
}

// Every uncovered field, as row * 100 + column.
QList<int> Uncovered(const FormFixture& f) {
    QList<int> fields;
    for (int row = 1; row <= 20; ++row)
        for (int column = 1; column <= 20; ++column)
            if (f.form->field.cells[row][column] == csNumber || f.form->field.cells[row][column] == csBlank)
                fields << row * 100 + column;
    return fields;
}

// Empty when the field's device pixels show the tile's colour inside and none of it around. The
// pixels on and next to the border are left out, since between ratios 1 and 2 they mix two
// fields, and so is a keyboard user's focus frame, `frame` logical pixels wide inside the border.
QString TileInPlace(const FormFixture& f, int row, int column, const QString& tileName, int frame = 0) {
    const QImage window = f.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect field = DeviceRect(f, row, column);
    const QRect inner =
        field.adjusted(1, 1, -1, -1).marginsRemoved(QMargins() + int(std::ceil(frame * Ratio())));
    const QColor tile = TileColour(tileName);
    for (int y = field.top() - 4; y <= field.bottom() + 4; ++y)
        for (int x = field.left() - 4; x <= field.right() + 4; ++x) {
            const bool inside = inner.contains(x, y);
            if (!inside && field.adjusted(-1, -1, 1, 1).contains(x, y)) continue;
            if ((QColor(window.pixel(x, y)) == tile) != inside)
                return QStringLiteral("device pixel (%1, %2) %3")
                    .arg(x)
                    .arg(y)
                    .arg(inside ? "lacks the tile" : "shows the tile");
        }
    return {};
}

QString CountTile(const FormFixture& f, int row, int column) {
    return QStringLiteral("zarn%1.bmp").arg(f.form->field.MinesAround(row, column));
}

FormFixture& StartSpotted(FormFixture& f) {
    WriteTwins();
    f.form->k1Click();
    f.form->Button1Click();
    f.Lay(SpottedField());
    return f;
}

}  // namespace

class DensityInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The ratio is the one CTest asked for; anything else would test nothing.
        QCOMPARE(Ratio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    }

    void clickUncoversTheFieldUnderThePointer_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        // -1 top or left, 1 bottom or right: a logical pixel inside; ±2 the outermost device pixel
        // inside, where the pointer lies between logical pixels; 0 the middle.
        QTest::addColumn<QPoint>("corner");
        for (const auto& [row, column] : {std::pair{1, 1}, {15, 15}, {4, 18}, {9, 9}, {20, 19}, {19, 1}})
            for (const QPoint corner : {QPoint(0, 0), QPoint(-1, -1), QPoint(1, 1), QPoint(1, -1),
                                        QPoint(-1, 1), QPoint(2, 2), QPoint(-2, -2), QPoint(2, -2)})
                QTest::addRow("(%d, %d) at %d,%d", row, column, corner.x(), corner.y())
                    << row << column << corner;
    }

    void clickUncoversTheFieldUnderThePointer() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QPoint, corner);
        FormFixture f;
        StartSpotted(f);
        const QRect field = DeviceRect(f, row, column);
        auto along = [&](int side, int low, int high) {
            const int inset = std::abs(side) == 2 ? 0 : int(std::ceil(Ratio()));
            return side < 0 ? low + inset : side > 0 ? high - inset : (low + high) / 2;
        };
        const QPoint at(along(corner.x(), field.left(), field.right()),
                        along(corner.y(), field.top(), field.bottom()));
        ClickDevicePixel(f, at);
        QCOMPARE(Uncovered(f), QList<int>{row * 100 + column});
        QCOMPARE(f.form->focusWidget(), f.form->buttons[row][column]);
        QCOMPARE(TileInPlace(f, row, column, CountTile(f, row, column)), QString());
        ClickDevicePixel(f, at);  // an uncovered field is only shown: no neighbour takes the click
        QCOMPARE(Uncovered(f), QList<int>{row * 100 + column});
    }

    void spaceUncoversTheFieldUnderTheCursor() {
        FormFixture f;
        StartSpotted(f);
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.form->buttons[1][1]->setFocus(Qt::TabFocusReason);
        QWindow* window = f.form->windowHandle();
        auto key = [&](Qt::Key k) {
            QTest::keyClick(window, k);
            QCoreApplication::sendPostedEvents();
        };
        // (1, 1), then 14 right and 14 down to (15, 15), then up to (4, 15) and right to (4, 18).
        QList<int> expected;
        for (const auto& [right, down] : {std::pair{0, 0}, {14, 14}, {3, -11}}) {
            for (int i = 0; i < std::abs(right); ++i) key(right > 0 ? Qt::Key_Right : Qt::Key_Left);
            for (int i = 0; i < std::abs(down); ++i) key(down > 0 ? Qt::Key_Down : Qt::Key_Up);
            auto* focused = static_cast<FieldButton*>(QApplication::focusWidget());
            key(Qt::Key_Space);
            expected << focused->Row() * 100 + focused->Column();
            std::sort(expected.begin(), expected.end());
            QCOMPARE(Uncovered(f), expected);
            const int row = focused->Row(), column = focused->Column();
            QCOMPARE(TileInPlace(f, row, column, CountTile(f, row, column), 3), QString());
        }
        QCOMPARE(expected, (QList<int>{101, 418, 1515}));
    }

    // However dense the screen, a button stays 20 x 20 logical pixels, and the clicked mine's twin
    // covers its field alone.
    void buttonsAndTheMineKeepTheirLogicalSize() {
        FormFixture f;
        StartSpotted(f);
        for (const auto& [row, column] : {std::pair{1, 1}, {20, 20}})
            QCOMPARE(f.form->buttons[row][column]->geometry(),
                     QRect(5 + 20 * (column - 1), 5 + 20 * (row - 1), 20, 20));
        QString mine = QStringLiteral("no box");
        f.boxes.whileOpen = [&](const QString&) { mine = TileInPlace(f, 8, 11, QStringLiteral("mina.bmp")); };
        ClickDevicePixel(f, DeviceRect(f, 8, 11).center());
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Mina! Prohráli jste!")});
        QCOMPARE(mine, QString());
    }
};

ZARN_TEST_MAIN(DensityInputTest)
#include "test_density_input.moc"
