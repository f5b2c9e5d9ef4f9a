// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play and what assistive technology sees: the windows, the named page controls, Tab in
// reading order, the board cursor and the board as a table of cells.

#include "karvelo/board_accessibility.h"
#include "karvelo/form1.h"
#include "karvelo/help/help_viewer.h"
#include "karvelo/message_boxes.h"
#include "support/form_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

using namespace karvelo;
using karvelo::test::FormFixture;

namespace {

QAccessibleInterface* Reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

const BoardAccessibility& BoardReader(TForm1& form) {
    return *form.boardImage->findChild<BoardAccessibility*>();
}

using Cells = std::vector<BoardAccessibility::CellPosition>;

TForm1& StartShown(FormFixture& f) {
    TForm1& form = f.Start();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("the window did not become active");
    return form;
}

void Key(TForm1& form, Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, key);
}

// Starts a match from the set-up page by the keyboard alone: Tab to "Začít souboj", Space.
void StartMatchByKeys(TForm1& form) {
    form.Hrat1->trigger();
    form.CB[1]->setFocus();
    for (int i = 0; i < 10 && QApplication::focusWidget() != form.B[0]; ++i) Key(form, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.B[0]);
    Key(form, Qt::Key_Space);
}

// Walks the cursor from where it stands to (column, row) and presses Space.
void PlaceByKeys(TForm1& form, int fromColumn, int fromRow, int column, int row) {
    for (int c = fromColumn; c < column; ++c) Key(form, Qt::Key_Right);
    for (int c = fromColumn; c > column; --c) Key(form, Qt::Key_Left);
    for (int r = fromRow; r < row; ++r) Key(form, Qt::Key_Down);
    for (int r = fromRow; r > row; --r) Key(form, Qt::Key_Up);
    Key(form, Qt::Key_Space);
}

QString CellName(TForm1& form, int column, int row) {
    return Reader(form.boardImage)->tableInterface()->cellAt(row - 1, column - 1)->text(QAccessible::Name);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsAnnouncedWithItsCaption() {
        FormFixture f;
        f.WriteFile("NAPOVEDA.HLP", "@topic 1 Obsah\nPět v řadě.\n");
        TForm1& form = f.Start();
        QCOMPARE(Reader(&form)->role(), QAccessible::Window);
        QCOMPARE(Reader(&form)->text(QAccessible::Name), QStringLiteral("Karvelo"));

        form.Help1->trigger();
        HelpViewer* help = FindHelpViewer();
        QVERIFY(help != nullptr);
        QCOMPARE(Reader(help)->role(), QAccessible::Window);
        QCOMPARE(Reader(help)->text(QAccessible::Name), QStringLiteral("Nápověda"));
        QCOMPARE(help->size(), QSize(560, 480));
        delete help;

        // A real box, looked at while it is open.
        QtMessageBoxes boxes;
        QAccessible::Role role = QAccessible::NoRole;
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            role = Reader(box)->role();
            caption = Reader(box)->text(QAccessible::Name);
            box->close();
        });
        boxes.Inform(QStringLiteral("Pozor!"), QStringLiteral("Zvolte dva různé hráče!"));
        QCOMPARE(role, QAccessible::AlertMessage);  // Qt's dialog role for a message box: read out whole
        QCOMPARE(caption, QStringLiteral("Pozor!"));
    }

    void pageControlsHaveCzechNames() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        const struct {
            QWidget* control;
            QAccessible::Role role;
            const char* name;
        } named[] = {
            {form.CB[1], QAccessible::ComboBox, "První hráč"},
            {form.CB[2], QAccessible::ComboBox, "Druhý hráč"},
            {form.CB[3], QAccessible::ComboBox, "Znak prvního hráče"},
            {form.CB[4], QAccessible::ComboBox, "Znak druhého hráče"},
            {form.RB0, QAccessible::RadioButton, "Začíná první hráč"},
            {form.RB1, QAccessible::RadioButton, "Začíná druhý hráč"},
            {form.CHB0, QAccessible::CheckBox, "Zobrazovat hodnoty polí"},
            {form.B[0], QAccessible::Button, "Začít souboj"},
            {form.CB[0], QAccessible::ComboBox, "Prostředí"},
            {form.LB0, QAccessible::List, "Seznam hráčů"},
            {form.E0, QAccessible::EditableText, "Jméno nového hráče"},
            {form.E1, QAccessible::EditableText, "Jméno vybraného hráče"},
            {form.CB[5], QAccessible::ComboBox, "Typ nového hráče"},
            {form.L[11], QAccessible::StaticText, "na tahu"},
            {form.turnImage, QAccessible::Graphic, "Symbol hráče na tahu"},
        };
        for (const auto& n : named) {
            QAccessibleInterface* reader = Reader(n.control);
            QVERIFY2(reader != nullptr, n.name);
            QCOMPARE(reader->role(), n.role);
            if (n.role != QAccessible::Button)
                QCOMPARE(n.control->accessibleName(), QString::fromUtf8(n.name));
            // On Linux Qt reads a combo box's choice as its name; its purpose is then the description.
            if (n.role == QAccessible::ComboBox)
                QVERIFY(reader->text(QAccessible::Description).startsWith(QString::fromUtf8(n.name)));
            else
                QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8(n.name));
        }
        QCOMPARE(Reader(form.CB[1])->text(QAccessible::Value), QStringLiteral("Alfa"));
        // A contestant's drop-down also tells the score and type shown beside it, and follows a new choice.
        QCOMPARE(Reader(form.CB[1])->text(QAccessible::Description),
                 QStringLiteral("První hráč, skóre 500, typ HUM"));
        QCOMPARE(Reader(form.CB[2])->text(QAccessible::Description),
                 QStringLiteral("Druhý hráč, skóre 620, typ HUM"));
        form.CB[2]->setCurrentIndex(3);
        form.CB2Change();
        QCOMPARE(Reader(form.CB[2])->text(QAccessible::Description),
                 QStringLiteral("Druhý hráč, skóre 710, typ CPU pokročilý"));
        // No drop-down has a label: a screen reader speaks a label instead of the name, the choice.
        for (QComboBox* combo : form.CB) QVERIFY(Reader(combo)->relations(QAccessible::Label).isEmpty());
        // Other captions above or beside a control are its label.
        QCOMPARE(Reader(form.CHB0)->relations(QAccessible::Label).size(), 1);
        // Names change nothing on the screen: the check box and the radio buttons keep no caption.
        QVERIFY(form.CHB0->text().isEmpty());
        QVERIFY(form.RB0->text().isEmpty());

        form.Schema1->trigger();
        QCOMPARE(Reader(form.CB[0])->text(QAccessible::Value), QStringLiteral("Gothic"));
    }

    void tabFollowsThePageAsItIsRead() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.CB[1]->setFocus();
        QList<QWidget*> order{QApplication::focusWidget()};
        for (int i = 0; i < 7; ++i) {
            Key(form, Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        // Row by row: contestant 1 with symbol and first move, contestant 2 likewise and the value
        // display beside them, the last-move mark, then the start button. The two radio buttons are
        // one stop, as Qt has it.
        QCOMPARE(order, (QList<QWidget*>{form.CB[1], form.CB[3], form.RB0, form.CB[2], form.CB[4], form.CHB0,
                                         form.CHB1, form.B[0]}));
        Key(form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.CB[1]);  // round again
        // The arrow keys choose within the radio buttons, and Tab then leaves from the chosen one.
        form.RB0->setFocus();
        Key(form, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), form.RB1);
        QVERIFY(form.RB1->isChecked());
        Key(form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.CHB0);
        Key(form, Qt::Key_Backtab);
        Key(form, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form.CB[4]);

        // Opened again the order stays, although nothing is placed anew.
        form.Schema1->trigger();
        form.Hrat1->trigger();
        form.CB[4]->setFocus();
        Key(form, Qt::Key_Tab);
        QVERIFY(qobject_cast<QRadioButton*>(QApplication::focusWidget()) != nullptr);  // the one last used
        Key(form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.CHB0);
    }

    void boardIsAGridOfCells() {
        FormFixture f;
        TForm1& form = StartShown(f);
        QAccessibleInterface* board = Reader(form.boardImage);
        // Not a table to a screen reader, which would read a whole row at every vertical step; the
        // table interface still gives the cells by row and column.
        QCOMPARE(board->role(), QAccessible::Grouping);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Titulní obrázek"));
        QCOMPARE(board->childCount(), 0);  // the title picture has no fields

        form.Hrat1->trigger();
        form.CHB0->setChecked(true);
        form.B[0]->click();
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Hrací plocha"));
        QCOMPARE(board->childCount(), 400);
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 20);
        QCOMPARE(table->columnCount(), 20);
        QAccessibleInterface* cell = table->cellAt(9, 10);  // row 10, column 11
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->parent(), board);
        QCOMPARE(board->indexOfChild(cell), 9 * 20 + 10);
        QCOMPARE(board->child(9 * 20 + 10), cell);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), 10);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), 9);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Sloupec 11, řádek 10: prázdné, hodnota 0"));
        QCOMPARE(cell->rect(), QRect(form.boardImage->mapToGlobal(QPoint(240, 220)), QSize(20, 20)));
        QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QVERIFY(board->focusChild() == nullptr);  // no cursor yet
        QCOMPARE(board->text(QAccessible::Description), QStringLiteral("Na tahu: Alfa."));

        // The first key shows the cursor in the centre; the cell under it has the focus.
        QCOMPARE(QApplication::focusWidget(), form.boardImage);
        Key(form, Qt::Key_Down);
        QCOMPARE(board->focusChild(), table->cellAt(9, 9));
        QVERIFY(table->cellAt(9, 9)->state().focused);
        Key(form, Qt::Key_Right);
        QCOMPARE(board->focusChild(), cell);
        QVERIFY(!table->cellAt(9, 9)->state().focused);

        Key(form, Qt::Key_Space);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Sloupec 11, řádek 10: Alfa"));
        const Cells& changed = BoardReader(form).ChangedCells();  // with the values shown that changed
        QVERIFY(std::find(changed.begin(), changed.end(), BoardAccessibility::CellPosition{11, 10}) !=
                changed.end());
        QCOMPARE(board->text(QAccessible::Description),
                 QStringLiteral("Na tahu: Beta. Poslední tah: Alfa, sloupec 11, řádek 10."));
        // The move is spoken with the cell under the cursor; a cursor step speaks the cell alone.
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Alfa: sloupec 11, řádek 10."));
        Key(form, Qt::Key_Left);
        Key(form, Qt::Key_Right);
        QVERIFY(table->cellAt(9, 10)->text(QAccessible::Description).isEmpty());
        // While values are shown, an empty field tells its value.
        form.matchState.board[12][10].value = 37;
        QCOMPARE(CellName(form, 12, 10), QStringLiteral("Sloupec 12, řádek 10: prázdné, hodnota 37"));

        // Activating a cell places there, as Space on it would.
        QAccessibleInterface* corner = table->cellAt(0, 0);
        corner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.matchState.board[1][1].state, 2);
        QCOMPARE(corner->text(QAccessible::Name), QStringLiteral("Sloupec 1, řádek 1: Beta"));
        QCOMPARE(board->focusChild(), corner);

        // A symbol of the winning line, as the screen highlights it.
        form.matchState.board[3][5] = Field{1, 0, HighlightPicture(1)};
        QCOMPARE(CellName(form, 3, 5), QStringLiteral("Sloupec 3, řádek 5: Alfa, pětice"));
        form.matchState.showFieldValues = 0;
        QCOMPARE(CellName(form, 12, 10), QStringLiteral("Sloupec 12, řádek 10: prázdné"));
    }

    void computerAnswerIsReported() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.CB[2]->setCurrentIndex(3);  // Delta, a computer
        form.CB2Change();
        form.B[0]->click();
        QAccessibleInterface* board = Reader(form.boardImage);
        Key(form, Qt::Key_Space);  // shows the cursor
        Key(form, Qt::Key_Space);  // Alfa on the centre; Delta answers at once
        int answered = 0;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y) answered += form.matchState.board[x][y].state == 2 ? 1 : 0;
        QCOMPARE(answered, 1);
        const Cells changed = BoardReader(form).ChangedCells();  // of the last repaint, the answer's
        QCOMPARE(changed.size(), std::size_t(1));
        const int column = changed[0].column;
        const int row = changed[0].row;
        QCOMPARE(form.matchState.board[column][row].state, 2);
        QCOMPARE(board->tableInterface()->cellAt(row - 1, column - 1)->text(QAccessible::Name),
                 QStringLiteral("Sloupec %1, řádek %2: Delta").arg(column).arg(row));
        QCOMPARE(CellName(form, 10, 10), QStringLiteral("Sloupec 10, řádek 10: Alfa"));
        QCOMPARE(
            board->text(QAccessible::Description),
            QStringLiteral("Na tahu: Alfa. Poslední tah: Delta, sloupec %1, řádek %2.").arg(column).arg(row));
        // Both moves are spoken at once, with the cell under the cursor, by the contestants' names.
        QCOMPARE(
            board->focusChild()->text(QAccessible::Description),
            QStringLiteral("Alfa: sloupec 10, řádek 10. Delta: sloupec %1, řádek %2.").arg(column).arg(row));
    }

    void fieldValuesThatChangeAreReported() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.CHB0->setChecked(true);
        form.B[0]->click();
        Key(form, Qt::Key_Space);
        Key(form, Qt::Key_Space);  // Alfa on the centre: the values around it change
        const Cells& changed = BoardReader(form).ChangedCells();
        QVERIFY(changed.size() > 1);
        QVERIFY(std::find(changed.begin(), changed.end(), BoardAccessibility::CellPosition{10, 10}) !=
                changed.end());
        for (const auto& cell : changed) {
            if (cell == BoardAccessibility::CellPosition{10, 10}) continue;
            QCOMPARE(form.matchState.board[cell.column][cell.row].state, 0);
            QVERIFY(CellName(form, cell.column, cell.row).contains(QStringLiteral(", hodnota ")));
        }
        // Values not shown are no change anyone sees.
        form.matchState.showFieldValues = 0;
        form.RepaintMatchScreen();  // hides the values shown until now: those cells change back
        Key(form, Qt::Key_Right);
        Key(form, Qt::Key_Space);  // Beta beside the centre
        QCOMPARE(BoardReader(form).ChangedCells(), (Cells{{11, 10}}));
    }

    void theHiddenBoardTakesNoKey() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.B[0]->click();
        Key(form, Qt::Key_Space);
        Key(form, Qt::Key_Space);  // Alfa on the centre; a match of one move may be left
        QCOMPARE(QApplication::focusWidget(), form.boardImage);
        form.Hrat1->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!form.boardImage->isVisible());
        QCOMPARE(QApplication::focusWidget(), form.CB[1]);  // the page's first control
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(form.boardImage, key);  // even sent straight to it
        int stones = 0;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y) stones += form.matchState.board[x][y].state != 0 ? 1 : 0;
        QCOMPARE(stones, 1);
        QVERIFY(!form.boardImage->isVisible());
        QVERIFY(form.B[0]->isVisible());
    }

    void everyPageStartsAtItsFirstControl() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), form.CB[1]);
        form.Schema1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), form.CB[0]);
        form.Edithracu1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), form.LB0);
        // The name of a player selected on an earlier visit is not left in the hidden edit.
        form.LB0->setCurrentRow(1);
        QCOMPARE(form.E1->text(), QStringLiteral("Beta"));
        form.Hrat1->trigger();
        form.Edithracu1->trigger();
        QVERIFY(form.E1->text().isEmpty());
    }

    void playerListSpeaksEntriesAndTheCursorOnEntering() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Edithracu1->trigger();
        // Each entry with the score and type that only the labels beside the list show.
        QAccessibleInterface* list = Reader(form.LB0);
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("Alfa, skóre 500, typ HUM"));
        QCOMPARE(list->child(2)->text(QAccessible::Name),
                 QStringLiteral("Věra, skóre 480, typ CPU začátečník"));
        QCOMPARE(form.LB0->item(2)->text(), QStringLiteral("Věra"));  // the screen shows the name alone
        // Entering speaks the entry under the cursor, which stands on the first without selecting it.
        QTRY_COMPARE(form.LB0->accessibleDescription(), QStringLiteral("Alfa, skóre 500, typ HUM"));
        QCOMPARE(QApplication::focusWidget(), form.LB0);
        QCOMPARE(form.LB0->currentRow(), 0);
        QVERIFY(form.LB0->selectedItems().isEmpty());
        // A step speaks its entry by itself: the note of the entering is gone.
        Key(form, Qt::Key_Down);
        QCOMPARE(form.LB0->currentRow(), 1);
        QVERIFY(form.LB0->accessibleDescription().isEmpty());
        // Back by the keyboard: the entry under the cursor again.
        Key(form, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != form.LB0);
        Key(form, Qt::Key_Backtab);
        QTRY_COMPARE(form.LB0->accessibleDescription(), QStringLiteral("Beta, skóre 620, typ HUM"));
        // Not by a click, which speaks the clicked entry itself.
        form.E0->setFocus();
        QTest::mouseClick(form.LB0->viewport(), Qt::LeftButton, {},
                          form.LB0->visualItemRect(form.LB0->item(3)).center());
        QCoreApplication::processEvents();
        QVERIFY(form.LB0->accessibleDescription().isEmpty());
    }

    void wholeMatchByKeyPresses() {
        FormFixture f;
        TForm1& form = StartShown(f);
        f.boxes.answers = {false};
        StartMatchByKeys(form);
        MatchState& m = form.matchState;
        QCOMPARE(m.matchRunning, 1);
        QCOMPARE(QApplication::focusWidget(), form.boardImage);

        // The cursor starts in the centre and stops at the edges.
        Key(form, Qt::Key_Left);
        for (int i = 0; i < 25; ++i) Key(form, Qt::Key_Up);
        Key(form, Qt::Key_Return);
        QCOMPARE(m.board[10][1].state, 1);  // Alfa
        for (int i = 0; i < 25; ++i) Key(form, Qt::Key_Left);
        Key(form, Qt::Key_Enter);
        QCOMPARE(m.board[1][1].state, 2);  // Beta
        Key(form, Qt::Key_Space);          // an occupied field takes nothing
        QCOMPARE(m.playerOnMove, 1);
        QCOMPARE(m.moveCount, 3);

        // Alfa along row 5, Beta along row 7, by arrow keys and Space only.
        int column = 1;
        int row = 1;
        for (int k = 1; k <= 5; ++k) {
            PlaceByKeys(form, column, row, k + 2, 5);
            if (k == 5) break;
            PlaceByKeys(form, k + 2, 5, k + 2, 7);
            column = k + 2;
            row = 7;
        }
        QCOMPARE(f.boxes.shown.size(), std::size_t(1));
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Vyhrál Alfa"));
        // The five is spoken with the box, after its caption and question.
        QCOMPARE(f.boxes.shown.back().description, QStringLiteral("Alfa: sloupec 7, řádek 5, pětice."));
        QCOMPARE(m.matchRunning, 0);
        QCOMPARE(form.roster.roster[0].score > 500, true);
        QVERIFY(form.B[0]->isVisibleTo(&form));  // answered No: the set-up page
    }

    void keyPlacesAsAPressInTheFieldsMiddle() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.B[0]->click();
        // The cursor shown, then moved by a press elsewhere: the press hides it.
        Key(form, Qt::Key_Right);
        QTest::mousePress(form.boardImage, Qt::LeftButton, {}, QPoint(41, 41));
        QCOMPARE(form.matchState.board[1][1].state, 1);
        QVERIFY(Reader(form.boardImage)->focusChild() == nullptr);
        // The next key brings it back where it was, and Space plays that field.
        Key(form, Qt::Key_Down);
        Key(form, Qt::Key_Space);
        QCOMPARE(form.matchState.board[10][10].state, 2);
        Key(form, Qt::Key_Down);
        Key(form, Qt::Key_Space);
        QCOMPARE(form.matchState.board[10][11].state, 1);
        QCOMPARE(form.matchState.moveCount, 4);
        // Keys do nothing while no match runs.
        form.Schema1->trigger();
        form.matchState.matchRunning = 0;
        QTest::keyClick(form.boardImage, Qt::Key_Space);
        QCOMPARE(form.matchState.moveCount, 4);
    }

    void cursorNeverTouchesTheBoardSurface() {
        FormFixture f;
        TForm1& form = StartShown(f);
        form.Hrat1->trigger();
        form.B[0]->click();
        const QImage before = form.boardImage->surface().copy();
        const QColor field = before.pixelColor(230, 230);  // inside the centre field (10, 10)
        Key(form, Qt::Key_Up);
        QCOMPARE(form.boardImage->surface(), before);
        const QImage onScreen = form.boardImage->grab().toImage();
        QVERIFY(onScreen.pixelColor(220, 220) != before.pixelColor(220, 220));  // the cursor's frame
        QCOMPARE(onScreen.pixelColor(230, 230), field);                         // the field inside it
        QCOMPARE(onScreen.pixelColor(219, 219), before.pixelColor(219, 219));   // nothing beside it
        for (int i = 0; i < 3; ++i) Key(form, Qt::Key_Right);
        QCOMPARE(form.boardImage->surface(), before);
        QCOMPARE(form.boardImage->grab().toImage().pixelColor(220, 220), before.pixelColor(220, 220));

        // Hidden again by a mouse press: the screen shows exactly the surface.
        QTest::mousePress(form.boardImage, Qt::LeftButton, {}, QPoint(5, 5));  // on the frame: no move
        QCOMPARE(form.boardImage->grab().toImage().convertToFormat(before.format()), before);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
