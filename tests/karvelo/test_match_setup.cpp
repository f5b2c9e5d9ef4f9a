// SPDX-License-Identifier: GPL-3.0-or-later
// The match set-up page and a whole match between two humans played by mouse presses.

#include "karvelo/form1.h"
#include "support/form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace karvelo;
using karvelo::test::FormFixture;

namespace {
void Choose(QComboBox* combo, int index, TForm1& form, void (TForm1::*change)()) {
    combo->setCurrentIndex(index);
    (form.*change)();
}
// A press in the middle of board field (x, y).
void Press(TForm1& form, int x, int y) {
    QTest::mousePress(form.boardImage, Qt::LeftButton, {}, QPoint((x + 1) * 20 + 10, (y + 1) * 20 + 10));
}
}  // namespace

class MatchSetupTest : public QObject {
    Q_OBJECT
private slots:
    void pageControls() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        const struct {
            QWidget* control;
            QPoint at;
            int width;
        } placed[] = {
            {form.L[22], {50, 25}, -1},   {form.L[23], {135, 25}, -1},  {form.CB[1], {50, 45}, 80},
            {form.CB[2], {50, 100}, 80},  {form.L[4], {280, 100}, -1},  {form.CHB0, {405, 98}, -1},
            {form.CB[3], {135, 45}, 80},  {form.CB[4], {135, 100}, 80}, {form.RB0, {222, 48}, 15},
            {form.RB1, {222, 100}, 15},   {form.L[16], {145, 68}, -1},  {form.L[17], {185, 68}, -1},
            {form.L[18], {185, 81}, -1},  {form.L[19], {145, 128}, -1}, {form.L[20], {185, 128}, -1},
            {form.L[21], {185, 141}, -1}, {form.B[0], {280, 130}, -1}};
        for (const auto& p : placed) {
            QVERIFY2(p.control->isVisibleTo(&form), qPrintable(p.control->objectName()));
            QCOMPARE(p.control->parentWidget(), form.client);
            QCOMPARE(p.control->pos(), p.at);
            if (p.width > 0) QCOMPARE(p.control->width(), p.width);
        }
        QCOMPARE(form.L[22]->text(), QStringLiteral("Hráči:"));
        QCOMPARE(form.L[4]->text(), QStringLiteral("Zobrazovat hodnoty polí"));
        QCOMPARE(form.L[16]->text(), QStringLiteral("Skore:\nTyp:"));
        QCOMPARE(form.B[0]->text(), QStringLiteral("Začít souboj"));
        QCOMPARE(form.CB[1]->count(), 4);
        QCOMPARE(form.CB[1]->itemText(2), QStringLiteral("Věra"));
        QCOMPARE(form.CB[1]->currentIndex(), 0);
        QCOMPARE(form.CB[2]->currentIndex(), 1);
        QCOMPARE(form.CB[3]->itemText(0), QStringLiteral("Prsteny"));
        QCOMPARE(form.CB[4]->itemText(1), QStringLiteral("Kříže"));
        QCOMPARE(form.CB[4]->currentIndex(), 1);
        QCOMPARE(form.L[17]->text(), QStringLiteral("500"));
        QCOMPARE(form.L[21]->text(), QStringLiteral("HUM"));
        QVERIFY(!form.boardImage->isVisibleTo(&form));
        QVERIFY(!form.CB[0]->isVisibleTo(&form));

        Choose(form.CB[2], 3, form, &TForm1::CB2Change);
        QCOMPARE(form.matchState.contestantIndex2, 3);
        QCOMPARE(form.L[20]->text(), QStringLiteral("710"));
        QCOMPARE(form.L[21]->text(), QStringLiteral("CPUpok"));
        Choose(form.CB[3], 2, form, &TForm1::CB3Change);
        QCOMPARE(form.settings.symbolIndex1, 2);
        QCOMPARE(form.settings.symbolPath1, std::string("Znk1/znak"));
    }

    void symbolNamesFollowTheTheme() {
        FormFixture f;
        TForm1& form = f.Start();
        QTest::mouseClick(form.boardImage, Qt::LeftButton, {}, QPoint(10, 10));  // Ocean
        QCOMPARE(form.CB[3]->itemText(0), QStringLiteral("Ježci"));
        QCOMPARE(form.CB[4]->itemText(2), QStringLiteral("Lastury"));
        QCOMPARE(form.settings.symbolPath2, std::string("Kriz/znak"));
    }

    void checkBoxKeptRadioReset() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        form.CHB0->setChecked(true);
        form.RB1->setChecked(true);
        QVERIFY(!form.RB0->isChecked());
        form.Schema1->trigger();
        form.Hrat1->trigger();
        QVERIFY(form.CHB0->isChecked());
        QVERIFY(form.RB0->isChecked());
        QVERIFY(!form.RB1->isChecked());
    }

    void startChecksInOrder() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        Choose(form.CB[2], 0, form, &TForm1::CB2Change);
        Choose(form.CB[4], 0, form, &TForm1::CB4Change);
        form.B[0]->click();
        QCOMPARE(f.boxes.LastText(), QStringLiteral("Zvolte dva různé hráče!"));
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Pozor!"));
        Choose(form.CB[2], 1, form, &TForm1::CB2Change);
        form.B[0]->click();
        QCOMPARE(f.boxes.LastText(), QStringLiteral("Hráči mají stejné znaky!"));
        QCOMPARE(form.matchState.matchRunning, 0);

        Choose(form.CB[4], 1, form, &TForm1::CB4Change);
        Choose(form.CB[1], 2, form, &TForm1::CB1Change);
        Choose(form.CB[2], 3, form, &TForm1::CB2Change);
        form.CHB0->setChecked(true);
        form.B[0]->click();  // answered No
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Hra dvou PC"));
        QCOMPARE(f.boxes.LastText(),
                 QStringLiteral("Hra dvou hráčů typu CPU může způsobit potíže!\nOpravdu chcete pokračovat?"));
        QCOMPARE(form.matchState.matchRunning, 0);
        QCOMPARE(form.matchState.showFieldValues, 0);
        QVERIFY(form.B[0]->isVisibleTo(&form));
        QCOMPARE(f.boxes.shown.size(), size_t(3));
    }

    // CPU mistr is shown and played as type 4; a damaged file's code 5 to 9 shows no text, keeps the
    // label's previous one and still counts as a computer.
    void masterAndDamagedTypes() {
        FormFixture f("Alfa      500x0\r\nMistr     640x4\r\nOmega     100x7\r\n#");
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        QCOMPARE(form.L[21]->text(), QStringLiteral("CPUmis"));
        Choose(form.CB[1], 2, form, &TForm1::CB1Change);
        QCOMPARE(form.L[17]->text(), QStringLiteral("100"));
        QCOMPARE(form.L[18]->text(), QStringLiteral("HUM"));  // Alfa's, shown before
        form.B[0]->click();                                   // two computers: answered No
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Hra dvou PC"));
        QCOMPARE(form.matchState.matchRunning, 0);

        Choose(form.CB[1], 0, form, &TForm1::CB1Change);
        form.B[0]->click();
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(form.matchState.matchRunning, 1);
        QCOMPARE(form.matchState.contestantType2, int(CpuMaster));
    }

    void unusedEntriesCannotPlay() {
        FormFixture f("Alfa      500x0\r\n#");
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        QCOMPARE(form.CB[2]->currentIndex(), -1);
        form.B[0]->click();
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Pozor!"));
        QCOMPARE(f.boxes.LastText(), QStringLiteral("Zvolte oba hráče ze seznamu!"));
        QCOMPARE(form.matchState.matchRunning, 0);
    }

    void wholeMatchByMousePresses() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        form.RB1->setChecked(true);  // Beta begins
        form.B[0]->click();
        MatchState& m = form.matchState;
        QCOMPARE(m.matchRunning, 1);
        QCOMPARE(m.playerOnMove, 2);
        QCOMPARE(m.moveCount, 1);
        QVERIFY(form.boardImage->isVisibleTo(&form));
        QCOMPARE(form.L[12]->text(), QStringLiteral("Alfa"));

        // A press on the board while the next-match question is open picks nothing.
        f.boxes.whileOpen = [&] {
            if (f.boxes.shown.back().kind != "ask") return;
            QTest::mousePress(form.boardImage, Qt::LeftButton, {}, QPoint(450, 450));
            form.Hrat1->trigger();
        };
        f.boxes.answers = {false};
        Press(form, 10, 10);  // Beta
        for (int k = 1; k <= 4; ++k) {
            Press(form, k, 1);  // Alfa
            Press(form, k, 3);  // Beta
        }
        QCOMPARE(m.moveCount, 10);
        Press(form, 5, 1);
        QCOMPARE(f.boxes.shown.back().kind, QStringLiteral("ask"));
        QCOMPARE(f.boxes.LastCaption(), QStringLiteral("Vyhrál Alfa"));
        QCOMPARE(form.settings.themeIndex, 0);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        // 500 and 620 with 10 moves, the loser began: Alfa +(620*10/501 = 12, +4) = 516,
        // Beta -(6200/517 = 11, +3) = 606.
        QCOMPARE(form.roster.roster[0].score, 516);
        QCOMPARE(form.roster.roster[1].score, 606);
        QVERIFY(f.ReadFile("data.dat").startsWith("Alfa      516x0\r\nBeta      606x0\r\n"));
        // Answered No: the set-up page, and the board takes no more symbols.
        QVERIFY(form.B[0]->isVisibleTo(&form));
        QCOMPARE(m.matchRunning, 0);
    }

    void yesShowsTheEmptyBoardWithTheLoserOnMove() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        form.B[0]->click();
        f.boxes.answers = {true};
        for (int k = 1; k <= 4; ++k) {
            Press(form, k, 1);
            Press(form, k, 3);
        }
        Press(form, 5, 1);
        MatchState& m = form.matchState;
        QCOMPARE(m.matchRunning, 1);
        QCOMPARE(m.playerOnMove, 2);
        QCOMPARE(m.moveCount, 1);
        QCOMPARE(form.L[11]->pos(), QPoint(197, 20));
        QCOMPARE(form.L[14]->text(), QString::number(form.roster.roster[0].score));
        QCOMPARE(QColor(form.boardImage->surface().pixel(50, 50)),
                 karvelo::test::ColourOf("obr/Gothic/Pole.bmp"));
    }
};

QTEST_MAIN(MatchSetupTest)
#include "test_match_setup.moc"
