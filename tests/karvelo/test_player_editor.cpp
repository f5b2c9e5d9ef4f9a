// SPDX-License-Identifier: GPL-3.0-or-later
// The player editor page, driven through its controls: the list, the two edits, the type list and
// the buttons, with data.dat checked byte for byte after every change.

#include "common/czech_rows.h"
#include "karvelo/application.h"
#include "karvelo/form1.h"
#include "karvelo/roster/codepage1250.h"
#include "support/form_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

using namespace karvelo;
using karvelo::test::FormFixture;

namespace {

// Alfa's line has the longer run of spaces of a rename: any save would write it in the normal
// layout, so unchanged bytes prove that nothing was saved.
const QByteArray unsavedRoster = "Alfa          500x0\r\n"
                                 "Beta      620x0\r\n"
                                 "Gama      500x2\r\n"
                                 "Delta     710x3\r\n#";
const QByteArray savedRoster = "Alfa      500x0\r\n"
                               "Beta      620x0\r\n"
                               "Gama      500x2\r\n"
                               "Delta     710x3\r\n#";

class Editor {
public:
    explicit Editor(const QByteArray& rosterBytes = unsavedRoster)
        : fixture(rosterBytes), form(fixture.Start()) {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) qFatal("the window is not shown");
        form.Edithracu1->trigger();
    }

    void ClickEntry(int row) {
        QListWidgetItem* item = form.LB0->item(row);
        QVERIFY(item);
        QTest::mouseClick(form.LB0->viewport(), Qt::LeftButton, {}, form.LB0->visualItemRect(item).center());
    }
    void ClickBelowEntries() {
        const QRect last = form.LB0->visualItemRect(form.LB0->item(form.LB0->count() - 1));
        QVERIFY(last.bottom() + 10 < form.LB0->viewport()->height());
        QTest::mouseClick(form.LB0->viewport(), Qt::LeftButton, {}, QPoint(10, last.bottom() + 10));
    }
    // Replaces the text as a user does: select all, then type.
    static void Type(QLineEdit* edit, const QString& text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar c : text) {
            // A Czech keyboard sends "Ž" as a key with its text; QTest's own typing knows Latin-1 only.
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(edit->text(), text);
    }
    // Characters no key types (control characters) arrive through the clipboard.
    static void Paste(QLineEdit* edit, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), text);
    }
    void Press(int button) {
        QPushButton* b = form.B[button];
        QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    QStringList ListedNames() const {
        QStringList names;
        for (int i = 0; i < form.LB0->count(); ++i) names << form.LB0->item(i)->text();
        return names;
    }
    QList<QWidget*> Details() const {
        return {form.L[6], form.L[8], form.E1, form.B[1], form.B[3], form.B[4], form.B[5]};
    }
    bool DetailsShown() const {
        const QList<QWidget*> details = Details();
        return std::all_of(details.begin(), details.end(), [](QWidget* w) { return w->isVisible(); });
    }
    bool DetailsHidden() const {
        const QList<QWidget*> details = Details();
        return std::none_of(details.begin(), details.end(), [](QWidget* w) { return w->isVisible(); });
    }
    int Highlighted() const {
        const auto selected = form.LB0->selectedItems();
        return selected.size() == 1 ? form.LB0->row(selected.front()) : -1;
    }
    QByteArray File() const { return fixture.ReadFile("data.dat"); }
    QStringList Shown() const {
        QStringList texts;
        for (const auto& box : fixture.boxes.shown) texts << box.caption + "|" + box.text;
        return texts;
    }

    FormFixture fixture;
    TForm1& form;
};

// A control of the page: on the client area, shown, at its place, with its text. Width or height 0:
// the control's own size.
void CheckPlaced(QWidget* control, const QRect& at, const QString& text) {
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(control->parentWidget()->objectName(), QStringLiteral("client"));
    QCOMPARE(control->pos(), at.topLeft());
    if (at.width() > 0) QCOMPARE(control->width(), at.width());
    if (at.height() > 0) QCOMPARE(control->height(), at.height());
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) QCOMPARE(edit->text(), text);
}

// Ten players whose names carry every Czech mark that reaches above a capital or below the line,
// each line as data.dat has it: the name in code page 1250 filled to ten characters.
QByteArray CzechRoster() {
    QByteArray bytes;
    for (const char* name :
         {"Šimon", "Čeněk", "Řehoř", "Žofie", "Ďábel", "Ťuhýk", "Ňuňa", "Důďa", "Věťa", "Éúů"})
        bytes += QByteArray::fromStdString(*Utf8ToCp1250(name)).leftJustified(10, ' ') + "500x0\r\n";
    return bytes + "#";
}

// The device pixel lines of an area that hold ink, anything other than the background.
int InkLines(const QImage& image, const QRect& area, QRgb background) {
    int lines = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) {
                ++lines;
                break;
            }
    return lines;
}

// The same count for the text drawn where nothing clips it.
int UnclippedInkLines(const QString& text, const QFont& font, qreal ratio) {
    QImage canvas(QSize(300, 60) * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 30), text);
    painter.end();
    return InkLines(canvas, canvas.rect(), qRgb(255, 255, 255));
}

// Every row of a view, as on the screen, shows its text as tall as drawn unclipped; `skip` is a
// highlighted row, whose frame would count as ink.
void CheckRowsShowWholeLetters(QAbstractItemView* view, int skip = -1) {
    const qreal ratio = view->devicePixelRatioF();
    const QImage shown = view->viewport()->grab().toImage();
    const QFont font = view->font();
    const int inkHeight = int(std::ceil(czech_rows::Ink(font, ratio).height()));
    const QRectF metrics = QFontMetricsF(font).tightBoundingRect(czech_rows::Letters());
    // The ink measured lies within what the font's metrics promise.
    QVERIFY(metrics.top() <= czech_rows::Ink(font, ratio).top() &&
            czech_rows::Ink(font, ratio).bottom() <= metrics.bottom());
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QString text = index.data().toString();
        const QRect rect = view->visualRect(index);
        QVERIFY2(rect.height() >= inkHeight, qPrintable(text));
        if (row == skip) continue;
        // A drop-down's rows may reach beyond its viewport on the right.
        const QRect area = QRect(QPoint(rect.left() * ratio, rect.top() * ratio),
                                 QPoint(rect.right() * ratio + ratio - 1, rect.bottom() * ratio + ratio - 1))
                               .intersected(shown.rect());
        QVERIFY2(area.height() >= rect.height() * ratio, qPrintable(text));
        const QRgb background = shown.pixel(area.right() - 2, area.center().y());
        QVERIFY2(InkLines(shown, area, background) == UnclippedInkLines(text, font, ratio), qPrintable(text));
    }
}

QStringList SetupPageNames(TForm1& form) {
    form.Hrat1->trigger();
    QStringList names;
    for (int i = 0; i < form.CB[1]->count(); ++i) names << form.CB[1]->itemText(i);
    return names;
}

}  // namespace

class PlayerEditorTest : public QObject {
    Q_OBJECT

private slots:
    void pageControls() {
        Editor e;
        TForm1& form = e.form;
        CheckPlaced(form.L[2], {20, 20, 0, 0}, "Seznam hráčů:");
        CheckPlaced(form.LB0, {20, 40, 60, 150}, QString());
        CheckPlaced(form.L[3], {220, 20, 0, 0}, "Vytvoření nového hráče:");
        CheckPlaced(form.E0, {220, 40, 60, 0}, "Jméno");
        CheckPlaced(form.CB[5], {290, 40, 0, 0}, "HUM");
        CheckPlaced(form.B[2], {290, 70, 81, 0}, "Vytvořit");
        CheckPlaced(form.L[5], {100, 50, 0, 0}, "Skóre:");
        CheckPlaced(form.L[7], {100, 70, 0, 0}, "Typ:");
        CheckPlaced(form.B[6], {20, 200, 155, 0}, "Seřadit hráče podle skóre");
        CheckPlaced(form.B[7], {20, 230, 155, 0}, "Seřadit hráče podle typu");
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Delta"}));
        QCOMPARE(e.Highlighted(), -1);
        QVERIFY(e.DetailsHidden());
        QCOMPARE(form.CB[5]->count(), 5);
        QCOMPARE(form.CB[5]->itemText(1), QStringLiteral("CPU nováček"));
        QCOMPARE(form.CB[5]->itemText(2), QStringLiteral("CPU začátečník"));
        QCOMPARE(form.CB[5]->itemText(3), QStringLiteral("CPU pokročilý"));
        QCOMPARE(form.CB[5]->itemText(4), QStringLiteral("CPU mistr"));
        QCOMPARE(form.CB[5]->currentIndex(), 0);
        QVERIFY(!form.CB[5]->isEditable());
        // At least its 80 pixels, and as wide as its longest type needs.
        QVERIFY(form.CB[5]->width() >= 80);
        QCOMPARE(form.CB[5]->width(), std::max(80, form.CB[5]->sizeHint().width()));
        QVERIFY(form.CB[5]->geometry().right() < form.client->width());
        // Nothing of the other pages or of the board stays.
        for (QWidget* other : QList<QWidget*>{form.CB[0], form.CB[1], form.B[0], form.boardImage, form.L[22]})
            QVERIFY2(!other->isVisible(), qPrintable(other->objectName()));

        e.ClickEntry(1);
        CheckPlaced(form.L[6], {140, 50, 0, 0}, "620");
        CheckPlaced(form.L[8], {140, 70, 0, 0}, "HUM");
        CheckPlaced(form.E1, {100, 90, 74, 0}, "Beta");
        CheckPlaced(form.B[1], {100, 115, 0, 0}, "Přejmenovat");
        CheckPlaced(form.B[3], {100, 145, 0, 0}, "Odstranit");
        CheckPlaced(form.B[4], {100, 176, 42, 16}, "Nahoru");
        CheckPlaced(form.B[5], {143, 176, 32, 16}, "Dolů");
        // Every caption fits its control, and no two controls of the page cover each other.
        QList<QWidget*> shown;
        for (QWidget* w : form.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) shown << w;
        QCOMPARE(shown.size(), 17);
        for (QWidget* w : shown) {
            if (auto* label = qobject_cast<QLabel*>(w))
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            for (QWidget* other : shown)
                if (other != w)
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + " covers " + other->objectName()));
        }
        QVERIFY(e.fixture.boxes.shown.empty());
    }

    void guardAtFiveAndSixMoves() {
        Editor e;
        TForm1& form = e.form;
        form.Hrat1->trigger();
        form.matchState.matchRunning = 1;
        form.matchState.moveCount = 5;
        form.Edithracu1->trigger();
        QVERIFY(e.fixture.boxes.shown.empty());
        QVERIFY(form.LB0->isVisible());

        form.HideAllControls();  // back on the board of a match with six moves
        form.RepaintMatchScreen();
        form.matchState.moveCount = 6;
        form.Edithracu1->trigger();
        QCOMPARE(e.Shown(), QStringList({"Pozor!|Musíte nejdřív dohrát hru"}));
        QVERIFY(form.boardImage->isVisible());
        QVERIFY(!form.LB0->isVisible());
        QVERIFY(!form.E0->isVisible());
    }

    void detailsFollowTheHighlight() {
        Editor e("Alfa      500x0\r\nBeta      620x1\r\nGama      480x2\r\n"
                 "Delta     710x3\r\nOmega     100x7\r\nMistr     900x4\r\n#");
        TForm1& form = e.form;
        e.ClickEntry(3);
        QCOMPARE(e.Highlighted(), 3);
        QVERIFY(e.DetailsShown());
        QCOMPARE(form.L[6]->text(), QStringLiteral("710"));
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUpok"));
        QCOMPARE(form.E1->text(), QStringLiteral("Delta"));

        // The arrow keys move the highlight, and the details go with it.
        QTest::keyClick(form.LB0, Qt::Key_Up);
        QCOMPARE(e.Highlighted(), 2);
        QCOMPARE(form.L[6]->text(), QStringLiteral("480"));
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUzač"));
        QCOMPARE(form.E1->text(), QStringLiteral("Gama"));
        e.ClickEntry(1);
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUnov"));
        e.ClickEntry(5);
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUmis"));
        // A type code without a text (a damaged file's 5 to 9) leaves the type shown before.
        e.ClickEntry(1);
        e.ClickEntry(4);
        QCOMPARE(form.L[6]->text(), QStringLiteral("100"));
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUnov"));
        QCOMPARE(form.E1->text(), QStringLiteral("Omega"));
        // A label grown by a longer score still shows it whole.
        QVERIFY(form.L[6]->width() >= form.L[6]->fontMetrics().horizontalAdvance("100"));
    }

    void clickBelowTheEntriesSelectsNothing() {
        Editor e;
        TForm1& form = e.form;
        e.ClickEntry(2);
        e.Type(form.E1, "Jiny");
        e.ClickBelowEntries();
        QCOMPARE(e.Highlighted(), -1);
        QVERIFY(e.DetailsHidden());
        // The list's current row outlives the highlight; the buttons must not act on it.
        QCOMPARE(form.LB0->currentRow(), 2);
        for (int button : {1, 3, 4, 5}) form.B[button]->click();
        QCOMPARE(e.File(), unsavedRoster);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Delta"}));
        QVERIFY(e.fixture.boxes.shown.empty());
        QCOMPARE(form.roster.rosterCount, 4);

        // The page fresh from the menu has nothing highlighted either.
        form.Edithracu1->trigger();
        for (int button : {1, 3, 4, 5}) form.B[button]->click();
        QCOMPARE(e.File(), unsavedRoster);
        form.ShowPlayerDetails(4);  // past the used entries
        form.ShowPlayerDetails(-1);
        QVERIFY(e.DetailsHidden());
    }

    void createWithTheDefaults() {
        Editor e;
        TForm1& form = e.form;
        e.ClickEntry(0);
        e.Press(2);
        QCOMPARE(e.File(), savedRoster.chopped(1) + "Jm\xe9no     500x0\r\n#");
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Delta", "Jméno"}));
        const PlayerRecord& created = form.roster.roster[4];
        QCOMPARE(created.score, 500);
        QCOMPARE(created.type, int(Human));
        QCOMPARE(created.nameLength, 5);
        // The page is built again: nothing highlighted, the new-player controls reset.
        QCOMPARE(e.Highlighted(), -1);
        QVERIFY(e.DetailsHidden());
        QCOMPARE(form.E0->text(), QStringLiteral("Jméno"));

        e.Type(form.E0, "Robot");
        QTest::keyClick(form.CB[5], Qt::Key_Down);
        QTest::keyClick(form.CB[5], Qt::Key_Down);
        QCOMPARE(form.CB[5]->currentText(), QStringLiteral("CPU začátečník"));
        e.Press(2);
        QVERIFY(e.File().endsWith("Jm\xe9no     500x0\r\nRobot     500x2\r\n#"));
        QCOMPARE(form.CB[5]->currentIndex(), 0);

        // The last item of the list, CPU mistr, is stored as 4.
        e.Type(form.E0, "Mistr");
        QTest::keyClick(form.CB[5], Qt::Key_End);
        QCOMPARE(form.CB[5]->currentText(), QStringLiteral("CPU mistr"));
        e.Press(2);
        QVERIFY(e.File().endsWith("Robot     500x2\r\nMistr     500x4\r\n#"));
        e.ClickEntry(6);
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUmis"));
        QVERIFY(e.fixture.boxes.shown.empty());
    }

    void createChecksInOrder() {
        Editor e(savedRoster);
        TForm1& form = e.form;
        // Nine characters against eight; the create text differs from the rename text.
        e.Type(form.E0, "Abcdefghi");
        e.Press(2);
        QCOMPARE(e.Shown(), QStringList({"Pozor!|Jméno je příliš dlouhé\nMaximálně 8 znaků!"}));
        QCOMPARE(form.E0->text(), QStringLiteral("Abcdefghi"));
        QCOMPARE(e.File(), savedRoster);
        e.Type(form.E0, "Abcdefgh");
        e.Press(2);
        QVERIFY(e.File().endsWith("Abcdefgh  500x0\r\n#"));

        for (const char* name : {"E", "F", "G", "H", "I"}) {
            e.Type(form.E0, name);
            e.Press(2);
        }
        QCOMPARE(form.LB0->count(), 10);
        const QByteArray ten = e.File();
        e.fixture.boxes.shown.clear();
        // The eleventh is refused for the count even with a name that is too long, and with no type
        // chosen the type is told first.
        e.Type(form.E0, "Velmidlouhejmeno");
        e.Press(2);
        form.CB[5]->setCurrentIndex(-1);
        e.Press(2);
        QCOMPARE(e.Shown(), QStringList({"Pozor!|Nelze vytvořit více jak 10 hráčů!",
                                         "Pozor!|Musíte zvolit typ hráče!"}));
        QCOMPARE(e.File(), ten);
        QCOMPARE(form.roster.rosterCount, 10);
    }

    void renameThenTheNextSave() {
        Editor e(savedRoster);
        TForm1& form = e.form;
        e.ClickEntry(3);
        e.Type(form.E1, "Ola");
        e.Press(1);
        // Padded to nine, then four more for Delta's five letters, then the separator.
        QCOMPARE(e.File(), savedRoster.chopped(18) + "Ola" + QByteArray(11, ' ') + "710x3\r\n#");
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Ola"}));
        QCOMPARE(form.roster.roster[3].nameLength, 3);
        QCOMPARE(e.Highlighted(), 3);
        QVERIFY(e.DetailsShown());
        QCOMPARE(form.E1->text(), QStringLiteral("Ola"));
        QCOMPARE(form.L[6]->text(), QStringLiteral("710"));

        e.Press(7);  // the types are in order already, so this only saves
        QCOMPARE(e.File(), savedRoster.chopped(18) + "Ola       710x3\r\n#");

        e.ClickEntry(0);
        e.Type(form.E1, "Abcdefghi");
        e.Press(1);
        QCOMPARE(e.Shown(), QStringList({"Pozor!|Jméno nesmí mít více jak 8 znaků"}));
        QCOMPARE(form.E1->text(), QStringLiteral("Abcdefghi"));
        QVERIFY(e.File().startsWith("Alfa      500x0\r\n"));
        e.Type(form.E1, "Abcdefgh");
        e.Press(1);
        QVERIFY(e.File().startsWith("Abcdefgh       500x0\r\nBeta "));
        QCOMPARE(e.Highlighted(), 0);
        QCOMPARE(e.fixture.boxes.shown.size(), size_t(1));
    }

    void czechNamesEverywhere() {
        Editor e(savedRoster);
        TForm1& form = e.form;
        e.Type(form.E0, "Žofie");
        e.Press(2);
        e.ClickEntry(1);
        e.Type(form.E1, "Čeněk");
        e.Press(1);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Čeněk", "Gama", "Delta", "Žofie"}));
        // Čeněk renamed last: its line has the longer run of spaces.
        QCOMPARE(e.File(), QByteArray("Alfa      500x0\r\n"
                                      "\xc8"
                                      "en\xec"
                                      "k" +
                                      QByteArray(10, ' ') +
                                      "620x0\r\n"
                                      "Gama      500x2\r\n"
                                      "Delta     710x3\r\n"
                                      "\x8e"
                                      "ofie     500x0\r\n#"));
        QCOMPARE(SetupPageNames(form), QStringList({"Alfa", "Čeněk", "Gama", "Delta", "Žofie"}));
        QCOMPARE(form.CB[2]->currentText(), QStringLiteral("Čeněk"));

        // And after the next start, from the file alone.
        e.fixture.form.reset();
        TForm1& again = e.fixture.Start();
        QCOMPARE(SetupPageNames(again), QStringList({"Alfa", "Čeněk", "Gama", "Delta", "Žofie"}));
    }

    void movesUpAndDown() {
        Editor e;
        TForm1& form = e.form;
        e.ClickEntry(0);
        e.Press(4);  // "Nahoru" on the first
        e.ClickEntry(3);
        e.Press(5);  // "Dolů" on the last
        QCOMPARE(e.File(), unsavedRoster);
        QCOMPARE(e.Highlighted(), 3);

        e.ClickEntry(2);
        e.Press(4);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Gama", "Beta", "Delta"}));
        QCOMPARE(e.File(), QByteArray("Alfa      500x0\r\nGama      500x2\r\n"
                                      "Beta      620x0\r\nDelta     710x3\r\n#"));
        // The highlight and the details follow the moved player.
        QCOMPARE(e.Highlighted(), 1);
        QCOMPARE(form.E1->text(), QStringLiteral("Gama"));
        QCOMPARE(form.L[8]->text(), QStringLiteral("CPUzač"));
        e.Press(5);
        e.Press(5);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Delta", "Gama"}));
        QCOMPARE(e.Highlighted(), 3);
        QCOMPARE(form.L[6]->text(), QStringLiteral("500"));
        QVERIFY(e.fixture.boxes.shown.empty());
    }

    void keyboardStaysOnTheMovedButton() {
        Editor e;
        TForm1& form = e.form;
        QVERIFY(QTest::qWaitForWindowActive(&form));
        e.ClickEntry(3);
        form.B[4]->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(e.ListedNames(), QStringList({"Delta", "Alfa", "Beta", "Gama"}));
        QCOMPARE(QApplication::focusWidget(), form.B[4]);
        QCOMPARE(e.Highlighted(), 0);
    }

    void sortByScore() {
        Editor e;
        e.ClickEntry(0);
        e.Press(6);
        QCOMPARE(e.ListedNames(), QStringList({"Delta", "Beta", "Alfa", "Gama"}));
        QCOMPARE(e.File(), QByteArray("Delta     710x3\r\nBeta      620x0\r\n"
                                      "Alfa      500x0\r\nGama      500x2\r\n#"));
        QCOMPARE(e.Highlighted(), -1);
        QVERIFY(e.DetailsHidden());
        QCOMPARE(SetupPageNames(e.form), QStringList({"Delta", "Beta", "Alfa", "Gama"}));
    }

    void sortByTypeIsStable() {
        Editor e("Cpu3a     100x3\r\nHum1      200x0\r\nCpu1a     300x1\r\nCpu3b     400x3\r\n"
                 "Hum2      500x0\r\nCpu2      600x2\r\nCpu1b     700x1\r\n#");
        e.Press(7);
        QCOMPARE(e.ListedNames(), QStringList({"Hum1", "Hum2", "Cpu1a", "Cpu1b", "Cpu2", "Cpu3a", "Cpu3b"}));
        QCOMPARE(e.File(),
                 QByteArray("Hum1      200x0\r\nHum2      500x0\r\nCpu1a     300x1\r\nCpu1b     700x1\r\n"
                            "Cpu2      600x2\r\nCpu3a     100x3\r\nCpu3b     400x3\r\n#"));
    }

    void deleteWithoutAQuestion() {
        Editor e(savedRoster);
        TForm1& form = e.form;
        e.ClickEntry(1);
        e.Press(3);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Gama", "Delta"}));
        QCOMPARE(e.File(), QByteArray("Alfa      500x0\r\nGama      500x2\r\nDelta     710x3\r\n#"));
        QCOMPARE(e.Highlighted(), -1);
        QVERIFY(e.DetailsHidden());
        const PlayerRecord& vacated = form.roster.roster[3];
        QVERIFY(vacated.name[0] == '\0' && vacated.score == 0 && vacated.type == 0);
        QVERIFY(e.fixture.boxes.shown.empty());
    }

    void deleteTheOnlyPlayer() {
        Editor e("Sam       300x1\r\n#");
        e.ClickEntry(0);
        e.Press(3);
        QCOMPARE(e.form.LB0->count(), 0);
        QCOMPARE(e.File(), QByteArray("#"));
        QCOMPARE(e.form.roster.rosterCount, 0);
        QCOMPARE(e.form.roster.rosterNames, std::string());
        QVERIFY(e.fixture.boxes.shown.empty());
        QCOMPARE(SetupPageNames(e.form), QStringList());
        // An empty roster still takes a new player.
        e.form.Edithracu1->trigger();
        e.Press(2);
        QCOMPARE(e.File(), QByteArray("Jm\xe9no     500x0\r\n#"));
    }

    void namesTheFileCannotCarry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typed");  // false: pasted, no key types it
        QTest::addColumn<QString>("reason");
        QTest::newRow("space inside") << "Al fa" << true << "Jméno nesmí obsahovat mezeru!";
        QTest::newRow("space in front") << " Alfa" << true << "Jméno nesmí obsahovat mezeru!";
        QTest::newRow("leading #") << "#Alfa" << true << "Jméno nesmí začínat znakem „#“!";
        QTest::newRow("outside code page 1250")
            << "Wang王" << true << "Jméno obsahuje znak „王“, který nelze uložit!";
        QTest::newRow("tab") << "Al\tfa" << false << "Jméno nesmí obsahovat řídicí znaky!";
        QTest::newRow("escape") << "Al\x1b" << false << "Jméno nesmí obsahovat řídicí znaky!";
    }
    void namesTheFileCannotCarry() {
        QFETCH(QString, name);
        QFETCH(bool, typed);
        QFETCH(QString, reason);
        Editor e;
        TForm1& form = e.form;
        const auto enter = [&](QLineEdit* edit) {
            typed ? Editor::Type(edit, name) : Editor::Paste(edit, name);
        };
        enter(form.E0);
        e.Press(2);
        QCOMPARE(e.Shown(), QStringList({"Pozor!|" + reason}));
        QCOMPARE(form.E0->text(), name);  // left for the user to mend

        e.ClickEntry(1);
        enter(form.E1);
        e.Press(1);
        QCOMPARE(e.Shown(), QStringList({"Pozor!|" + reason, "Pozor!|" + reason}));
        QCOMPARE(form.E1->text(), name);
        QCOMPARE(e.Highlighted(), 1);
        QCOMPARE(e.File(), unsavedRoster);
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Delta"}));
    }

    void emptyNamesAndNamesOfSpacesAreTaken() {
        Editor e(savedRoster);
        TForm1& form = e.form;
        e.Type(form.E0, "");
        e.Press(2);
        e.Type(form.E0, "   ");
        e.Press(2);
        e.ClickEntry(0);
        e.Type(form.E1, "Al  ");  // trailing spaces are no inner space
        e.Press(1);
        QVERIFY(e.fixture.boxes.shown.empty());
        QCOMPARE(e.ListedNames(), QStringList({"Al", "Beta", "Gama", "Delta", "", ""}));
        QVERIFY(e.File().endsWith("Delta     710x3\r\n          500x0\r\n          500x0\r\n#"));
        QVERIFY(e.File().startsWith("Al             500x0\r\n"));
        // A name pasted with a separate accent is stored as the one letter it shows.
        e.ClickEntry(1);
        Editor::Paste(form.E1, QString::fromUtf8("Be\xcc\x81ta"));
        e.Press(1);
        QCOMPARE(e.ListedNames().at(1), QStringLiteral("Béta"));
        QVERIFY(e.File().contains("B\xe9ta" + QByteArray(11, ' ') + "620x0\r\n"));
    }

    void failedSaveKeepsThePage() {
        Editor e;
        TForm1& form = e.form;
        QVERIFY(
            QDir(e.fixture.dir.path()).mkdir("data.dat.tmp"));  // the save's temporary file cannot be made

        e.Type(form.E0, "Nový");
        e.Press(2);
        QCOMPARE(e.fixture.boxes.shown.size(), size_t(1));
        QCOMPARE(e.fixture.boxes.LastCaption(), QStringLiteral("Pozor!"));
        QVERIFY(e.fixture.boxes.LastText().contains("nepodařilo uložit"));
        QCOMPARE(form.E0->text(), QStringLiteral("Nový"));
        QCOMPARE(form.roster.rosterCount, 4);

        e.ClickEntry(2);
        e.Type(form.E1, "Jiny");
        e.Press(1);
        QCOMPARE(form.E1->text(), QStringLiteral("Jiny"));
        QCOMPARE(e.Highlighted(), 2);
        QVERIFY(e.DetailsShown());
        QCOMPARE(std::string(form.roster.roster[2].name), std::string("Gama"));
        e.Press(4);
        QCOMPARE(e.Highlighted(), 2);
        e.Press(3);
        e.Press(6);
        QCOMPARE(e.fixture.boxes.shown.size(), size_t(5));  // each failure told once
        QCOMPARE(e.ListedNames(), QStringList({"Alfa", "Beta", "Gama", "Delta"}));
        QCOMPARE(std::string(form.roster.roster[0].name), std::string("Alfa"));
        QCOMPARE(form.roster.roster[0].nameLength, 4);
        QCOMPARE(e.File(), unsavedRoster);

        // Once the file can be written again, the next change stores everything.
        QVERIFY(QDir(e.fixture.dir.path()).rmdir("data.dat.tmp"));
        e.Press(4);
        QCOMPARE(e.File(), QByteArray("Alfa      500x0\r\nGama      500x2\r\n"
                                      "Beta      620x0\r\nDelta     710x3\r\n#"));
        QCOMPARE(e.Highlighted(), 1);
    }

    // Run at device pixel ratio 1 and 2, with the program's font.
    void rowsShowWholeCzechLetters() {
        const QFont before = QApplication::font();
        karvelo::PrepareApplication(*qApp);
        {
            Editor e(CzechRoster());
            TForm1& form = e.form;
            QCOMPARE(form.LB0->count(), 10);
            QCOMPARE(form.LB0->item(0)->text(), QStringLiteral("Šimon"));
            form.LB0->clearFocus();
            // All ten in the list's 150 pixels: a scroll bar would cut the names.
            QVERIFY(!form.LB0->verticalScrollBar()->isVisible());
            QVERIFY(form.LB0->visualItemRect(form.LB0->item(9)).bottom() < form.LB0->viewport()->height());
            CheckRowsShowWholeLetters(form.LB0);

            // Every drop-down opened: the types, the contestants, the symbols, the themes.
            auto checkOpened = [](QComboBox* combo) {
                combo->showPopup();
                QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
                CheckRowsShowWholeLetters(combo->view(), combo->currentIndex());
                combo->hidePopup();
            };
            checkOpened(form.CB[5]);
            form.Hrat1->trigger();
            for (int i = 1; i <= 4; ++i) checkOpened(form.CB[i]);
            form.Schema1->trigger();
            checkOpened(form.CB[0]);
        }
        QApplication::setFont(before);
    }

    // What a screen reader hears after each button: the note on the control with the keyboard.
    void buttonsSpeakTheirOutcome() {
        Editor e;
        TForm1& form = e.form;
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto press = [&](int button) {
            form.B[button]->setFocus();
            QTest::keyClick(form.B[button], Qt::Key_Space);
            QWidget* focused = QApplication::focusWidget();
            return focused ? focused->accessibleDescription() : QStringLiteral("(no focus)");
        };
        e.ClickEntry(0);
        QCOMPARE(press(4), QStringLiteral("Hráč Alfa je už první v seznamu."));
        QCOMPARE(press(5), QStringLiteral("Hráč Alfa posunut dolů, je 2. v seznamu."));
        QCOMPARE(press(4), QStringLiteral("Hráč Alfa posunut nahoru, je 1. v seznamu."));
        e.ClickEntry(3);
        QCOMPARE(press(5), QStringLiteral("Hráč Delta je už poslední v seznamu."));
        e.Type(form.E1, "Řehoř");
        QCOMPARE(press(1), QStringLiteral("Hráč Delta přejmenován na Řehoř."));
        // The note goes with the focus: a later visit hears the button alone.
        form.E0->setFocus();
        QVERIFY(form.B[1]->accessibleDescription().isEmpty());

        QCOMPARE(press(6), QStringLiteral("Seřazeno podle skóre: Řehoř 710, Beta 620, Alfa 500, Gama 500."));
        QCOMPARE(press(6), QStringLiteral("Seznam už byl seřazen podle skóre."));
        QCOMPARE(press(7),
                 QStringLiteral(
                     "Seřazeno podle typu: Beta HUM, Alfa HUM, Gama CPU začátečník, Řehoř CPU pokročilý."));
        QCOMPARE(press(2), QStringLiteral("Vytvořen hráč Jméno, skóre 500, typ HUM."));
        QCOMPARE(form.roster.rosterCount, 5);

        // Deleting takes the button away; the list takes the keyboard and tells its cursor.
        e.ClickEntry(1);
        QCOMPARE(press(3), QStringLiteral("Hráč Alfa odstraněn. Beta, skóre 620, typ HUM"));
        QCOMPARE(QApplication::focusWidget(), form.LB0);
        QCOMPARE(e.Highlighted(), -1);  // nothing selected, as after every rebuild

        // A refusal is read from its box; nothing is said beside it.
        e.Type(form.E0, "Dlouhé jméno");
        QCOMPARE(press(2), QString());
        QCOMPARE(e.fixture.boxes.LastText(), QStringLiteral("Jméno je příliš dlouhé\nMaximálně 8 znaků!"));
        // So is a save that fails: no success is spoken.
        QVERIFY(QDir(e.fixture.dir.path()).mkdir("data.dat.tmp"));
        QCOMPARE(press(6), QString());
        QVERIFY(e.fixture.boxes.LastText().contains("nepodařilo uložit"));
    }
};

QTEST_MAIN(PlayerEditorTest)
#include "test_player_editor.moc"
