// SPDX-License-Identifier: GPL-3.0-or-later
// The minefield by keyboard and screen reader: arrow keys over every field and Ctrl+arrow among the
// covered ones, Space, the focus staying on an uncovered field, the field as one Tab stop, readable
// uncovered fields, what is spoken after an uncovering and a new game, the windows.

#include "support/form_fixture.h"
#include "support/minefield_art.h"
#include "zarn/client_surface.h"
#include "zarn/rules/field_navigation.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

using namespace zarn;
using zarn::test::FormFixture;

namespace {

const std::vector<std::string> kWalledField(10, "....*.....");  // column 5 all mines
// (1,2) has four mines around it and uncovers alone.
const std::vector<std::string> kCornerField{"*.*.......", "**........", "..........", "..........",
                                            "..........", "..........", "..........", "..........",
                                            "**........", ".*........"};

QAccessibleInterface* Reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

TForm1& StartActive(FormFixture& f) {
    f.form->activateWindow();
    if (!QTest::qWaitForWindowActive(f.form.get())) qWarning("the window did not become active");
    f.form->Button1Click();
    return *f.form;
}

QWidget* Focused() { return QApplication::focusWidget(); }

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, modifiers);
    QCoreApplication::sendPostedEvents();  // a field's click is delivered queued
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void navigationSkipsUncoveredFieldsAndStopsAtTheEdge() {
        Minefield field;
        zarn::test::LayField(field, kWalledField);
        field.cells[3][2] = csNumber;
        field.cells[3][3] = csBlank;
        field.cells[3][4] = csNumber;
        QCOMPARE(NextCoveredField(field, {3, 1}, 0, 1), (FieldPosition{3, 5}));  // a mine is covered too
        QCOMPARE(NextCoveredField(field, {3, 5}, 0, -1), (FieldPosition{3, 1}));
        QCOMPARE(NextCoveredField(field, {3, 10}, 0, 1), (FieldPosition{3, 10}));  // the edge
        QCOMPARE(NextCoveredField(field, {1, 3}, -1, 0), (FieldPosition{1, 3}));
        QCOMPARE(NextCoveredField(field, {2, 3}, 1, 0), (FieldPosition{4, 3}));
        field.cells[1][1] = csBlank;
        QCOMPARE(NextCoveredField(field, {2, 1}, -1, 0), (FieldPosition{2, 1}));  // nothing covered beyond

        QCOMPARE(NearestCoveredField(field, {3, 3}), (FieldPosition{2, 3}));  // equals: the earlier row
        for (auto& row : field.cells)
            for (auto& cell : row)
                if (cell == csCovered || cell == csMine) cell = csBlank;
        QVERIFY(!NearestCoveredField(field, {3, 3}));
        field.cells[10][10] = csMine;
        QCOMPARE(NearestCoveredField(field, {1, 1}), (FieldPosition{10, 10}));
    }

    void arrowKeysMoveOverEveryFieldAndCtrlAmongCoveredOnes() {
        FormFixture f;
        TForm1& form = StartActive(f);
        f.Lay(kCornerField);
        f.Click(1, 2);
        form.buttons[1][1]->setFocus();
        Key(Qt::Key_Right);
        QCOMPARE(Focused(), form.buttons[1][2]);  // the uncovered field, to be read
        Key(Qt::Key_Right);
        QCOMPARE(Focused(), form.buttons[1][3]);
        Key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(Focused(), form.buttons[1][1]);  // past the uncovered (1,2)
        Key(Qt::Key_Left);
        Key(Qt::Key_Up);
        QCOMPARE(Focused(), form.buttons[1][1]);  // the corner: nowhere further
        Key(Qt::Key_Down);
        QCOMPARE(Focused(), form.buttons[2][1]);
        for (int i = 0; i < 12; ++i) Key(Qt::Key_Right);
        QCOMPARE(Focused(), form.buttons[2][10]);  // the field's edge, not the next row
        for (int i = 0; i < 12; ++i) Key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Focused(), form.buttons[10][10]);  // Lehká: ten rows, however many buttons exist

        // Space uncovers the focused field, exactly as a click would, and the focus stays on it.
        form.buttons[3][3]->setFocus();
        Key(Qt::Key_Up);
        QCOMPARE(Focused(), form.buttons[2][3]);
        Key(Qt::Key_Space);
        QVERIFY(form.buttons[2][3]->IsUncovered());
        QCOMPARE(form.field.cells[2][3], std::int32_t(csNumber));
        QCOMPARE(f.SurfaceAt(2, 3), zarn::test::TileFolder::ColourOf("zarn2.bmp"));
        QCOMPARE(Focused(), form.buttons[2][3]);
        // On an uncovered field Space does nothing.
        Key(Qt::Key_Space);
        QCOMPARE(Focused(), form.buttons[2][3]);
        QVERIFY(f.boxes.shown.isEmpty());
        // The mouse passes through an uncovered field to the tile, as it did when the button was gone.
        QVERIFY(form.buttons[2][3]->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!form.buttons[3][3]->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void theResultOfAnUncoveringAndANewGameIsSpokenWithTheFocus() {
        FormFixture f;
        TForm1& form = StartActive(f);
        form.Button1->setFocus();
        Key(Qt::Key_Space);
        QCOMPARE(form.Button1->accessibleDescription(), QStringLiteral("Nová hra: pole 10 × 10, 12 min."));
        Key(Qt::Key_Tab);  // the note goes with the focus
        QVERIFY(form.Button1->accessibleDescription().isEmpty());

        f.Lay(kWalledField);
        form.buttons[5][2]->setFocus();
        Key(Qt::Key_Space);  // a flood fill uncovers columns 1 to 4
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 4; ++column) QVERIFY(form.buttons[row][column]->IsUncovered());
        QCOMPARE(Focused(), form.buttons[5][2]);
        QCOMPARE(Reader(Focused())->text(QAccessible::Description), QStringLiteral("Odkrytých polí: 40."));
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        QCOMPARE(Focused(), form.buttons[5][5]);
        QVERIFY(Reader(form.buttons[5][2])->text(QAccessible::Description).isEmpty());

        // A lost game lays a new field: the box first, then the new game is spoken on the same field.
        Key(Qt::Key_Space);
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Mina! Prohráli jste!")});
        QVERIFY(!form.buttons[5][5]->IsUncovered());
        QCOMPARE(Focused(), form.buttons[5][5]);
        QCOMPARE(Reader(Focused())->text(QAccessible::Description),
                 QStringLiteral("Nová hra: pole 10 × 10, 12 min."));
    }

    void theFieldIsOneTabStop() {
        FormFixture f;
        TForm1& form = StartActive(f);
        f.Lay(kCornerField);
        form.Button1->setFocus();
        Key(Qt::Key_Tab);
        QCOMPARE(Focused(), form.buttons[1][1]);
        Key(Qt::Key_Down);
        Key(Qt::Key_Right);
        QCOMPARE(Focused(), form.buttons[2][2]);
        Key(Qt::Key_Tab);
        QCOMPARE(Focused(), form.Button1);  // out of the field at once, not through its 100 buttons
        Key(Qt::Key_Tab);
        QCOMPARE(Focused(), form.buttons[2][2]);  // back where the player left it
        Key(Qt::Key_Backtab);
        QCOMPARE(Focused(), form.Button1);

        // The tab stop goes with its field when that one is uncovered.
        form.buttons[1][2]->setFocus();
        Key(Qt::Key_Space);
        form.Button1->setFocus();
        Key(Qt::Key_Tab);
        QVERIFY(Focused() != form.Button1);
        QVERIFY(!Focused()->isHidden());
    }

    void uncoveredFieldsCanBeRead() {
        FormFixture f;
        TForm1& form = StartActive(f);
        f.Lay(kCornerField);
        QAccessibleInterface* field = Reader(form.buttons[1][2]);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Řádek 1, sloupec 2: zakryté"));
        QVERIFY(!field->state().disabled);
        f.Click(1, 2);
        QCOMPARE(field->role(), QAccessible::Button);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Řádek 1, sloupec 2: 4 miny v okolí"));
        QVERIFY(!field->state().disabled);  // read like any other field, only never pressed
        QVERIFY(!field->state().invisible);
        QCOMPARE(field->rect(), QRect(form.Client()->mapToGlobal(QPoint(25, 5)), QSize(20, 20)));
        QVERIFY(field->actionInterface()->actionNames().isEmpty());

        f.Click(10, 10);  // a flood fill: blank fields and the rim of numbers
        QCOMPARE(Reader(form.buttons[10][10])->text(QAccessible::Name),
                 QStringLiteral("Řádek 10, sloupec 10: žádná mina v okolí"));
        QCOMPARE(Reader(form.buttons[8][2])->text(QAccessible::Name),
                 QStringLiteral("Řádek 8, sloupec 2: 2 miny v okolí"));
        QCOMPARE(Reader(form.buttons[3][1])->text(QAccessible::Name),
                 QStringLiteral("Řádek 3, sloupec 1: 2 miny v okolí"));

        QString mineWhileOpen;
        f.boxes.whileOpen = [&](const QString&) {
            mineWhileOpen = Reader(form.buttons[1][1])->text(QAccessible::Name);
        };
        f.Click(1, 1);
        QCOMPARE(mineWhileOpen, QStringLiteral("Řádek 1, sloupec 1: mina"));
        // The new field is covered again, and reads so.
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Řádek 1, sloupec 2: zakryté"));
        QVERIFY(!field->state().disabled);
        // Fields outside a smaller field are gone for the reader too.
        QVERIFY(Reader(form.buttons[11][11])->state().invisible);
    }

    void theWindowAndItsBoxesAreAnnounced() {
        FormFixture f;
        QCOMPARE(Reader(f.form.get())->role(), QAccessible::Window);
        QCOMPARE(Reader(f.form.get())->text(QAccessible::Name), QStringLiteral("Zarn"));
        QCOMPARE(Reader(f.form->MainMenu1)->role(), QAccessible::MenuBar);

        QtMessageBoxes boxes;
        boxes.SetOwner(f.form.get());
        QAccessible::Role role = QAccessible::NoRole;
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            role = Reader(box)->role();
            caption = Reader(box)->text(QAccessible::Name);
            box->close();
        });
        boxes.Inform(QStringLiteral("Vyhráli jste!"));
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(caption, QStringLiteral("Zarn"));
    }
};

ZARN_TEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
