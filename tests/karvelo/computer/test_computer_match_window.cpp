// SPDX-License-Identifier: GPL-3.0-or-later
// A whole match of a human against the advanced computer in the window, played by mouse presses
// on the board, with the field values shown; everything checked is read back from the pixels.

#include "karvelo/drawing.h"
#include "karvelo/form1.h"
#include "support/form_fixture.h"
#include "support/positions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <map>

using namespace karvelo;
using namespace karvelo::test;

namespace {

// What a field shows: a contestant's stone (1, 2; 11, 12 highlighted), a value mark (as its
// valueBitmaps entry, 100 + index), the empty field (0), or something unknown (-1).
using Screen = std::array<std::array<int, boardSpan>, boardSpan>;
constexpr int markBase = 100;

std::map<QRgb, int> Legend() {
    std::map<QRgb, int> legend;
    const QString theme = QStringLiteral("obr/Gothic/");
    legend[ColourOf(theme + "Pole.bmp").rgb()] = 0;
    for (int v = 1; v <= 3; ++v) {
        legend[ColourOf(theme + QStringLiteral("Kolo/znak%1.bmp").arg(v)).rgb()] = 1;
        legend[ColourOf(theme + QStringLiteral("Kriz/znak%1.bmp").arg(v)).rgb()] = 2;
    }
    legend[ColourOf(theme + "Kolo/znak0.bmp").rgb()] = 11;
    legend[ColourOf(theme + "Kriz/znak0.bmp").rgb()] = 12;
    const char* const marks[] = {"+", "1", "2", "3", "4", "5", "6", "7", "8", "9", "++", "+++"};
    for (int i = 0; i < 12; ++i)
        legend[ColourOf(theme + QStringLiteral("Cisla/%1.bmp").arg(QLatin1String(marks[i]))).rgb()] =
            markBase + i;
    return legend;
}

Screen ReadScreen(const TForm1& form) {
    static const std::map<QRgb, int> legend = Legend();
    Screen s{};
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            // Each field image is one colour: its middle and its corners must agree.
            const QImage& surface = form.boardImage->surface();
            const QRgb middle = surface.pixel((x + 1) * 20 + 10, (y + 1) * 20 + 10);
            const QRgb corner = surface.pixel((x + 1) * 20, (y + 1) * 20);
            const QRgb opposite = surface.pixel((x + 1) * 20 + 19, (y + 1) * 20 + 19);
            const auto it = legend.find(middle);
            s[x][y] = it != legend.end() && corner == middle && opposite == middle ? it->second : -1;
        }
    return s;
}

bool IsStone(int shown) { return shown >= 1 && shown <= 12; }
int Owner(int shown) { return shown % 10; }

// Higher is better for the human's pick: the mark's rank, the plain empty field lowest.
int MarkRank(int shown) {
    if (shown < markBase) return 0;
    const int mark = shown - markBase;
    return mark == 0 ? 10 : mark == 10 ? 11 : mark == 11 ? 12 : mark;
}

// The board as the screen shows it, contestant 2 (the computer) on move.
MatchState PositionOf(const Screen& s) {
    MatchState m = ComputerOnMove(CpuAdvanced);
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (IsStone(s[x][y])) Put(m, Owner(s[x][y]), {{x, y}});
    return m;
}

void Press(TForm1& form, int x, int y) {
    QTest::mousePress(form.boardImage, Qt::LeftButton, {}, QPoint((x + 1) * 20 + 10, (y + 1) * 20 + 10));
}

}  // namespace

class ComputerMatchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void humanAgainstTheAdvancedComputer() {
        FormFixture f;
        TForm1& form = f.Start();
        form.Hrat1->trigger();
        form.CB[2]->setCurrentIndex(3);  // Delta, CPU pokročilý
        form.CB2Change();
        form.CHB0->setChecked(true);
        form.RB0->setChecked(true);  // Alfa, the human, begins
        form.B[0]->click();
        QCOMPARE(form.matchState.matchRunning, 1);

        Screen atQuestion{};
        f.boxes.whileOpen = [&] { atQuestion = ReadScreen(form); };
        f.boxes.answers = {false};

        Screen screen = ReadScreen(form);
        int presses = 0;
        while (f.boxes.shown.empty()) {
            QVERIFY2(++presses <= 200, "the match does not end");
            // The human plays the field with the highest mark, the centre on an empty board.
            int bestRank = -1, px = 0, py = 0;
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y) {
                    if (IsStone(screen[x][y])) continue;
                    const int rank = MarkRank(screen[x][y]) * 2 + (x == 10 && y == 10);
                    if (rank > bestRank) bestRank = rank, px = x, py = y;
                }
            Screen afterHuman = screen;
            afterHuman[px][py] = 1;
            Press(form, px, py);
            if (!f.boxes.shown.empty()) break;
            const Screen now = ReadScreen(form);

            // Exactly one new stone, the computer's, on a field of highest value for its method.
            int replies = 0, cx = 0, cy = 0;
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y) {
                    QVERIFY2(now[x][y] >= 0, "an unknown picture on the board");
                    if (IsStone(afterHuman[x][y]))
                        QCOMPARE(now[x][y], afterHuman[x][y]);
                    else if (IsStone(now[x][y]))
                        ++replies, cx = x, cy = y;
                }
            QCOMPARE(replies, 1);
            QCOMPARE(now[cx][cy], 2);
            const MatchState before = Evaluated(PositionOf(afterHuman));
            std::int32_t best = 0;
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y) best = std::max(best, before.board[x][y].value);
            if (best > 0) QCOMPARE(before.board[cx][cy].value, best);

            // Every mark is the one for the value the computer's method gives after its move.
            const MatchState after = Evaluated(PositionOf(now));
            for (int x = 1; x <= boardSize; ++x)
                for (int y = 1; y <= boardSize; ++y) {
                    if (IsStone(now[x][y])) continue;
                    const int mark = ValueMarkIndex(after.board[x][y].value);
                    QCOMPARE(now[x][y], mark < 0 ? 0 : markBase + mark);
                }
            screen = now;
        }

        // The question comes with the final position still shown: one line of five highlighted.
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown.back().kind, QStringLiteral("ask"));
        QCOMPARE(f.boxes.LastText(), QStringLiteral("Chcete začít další zápas?"));
        int highlighted = 0, winner = 0;
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                if (atQuestion[x][y] == 11 || atQuestion[x][y] == 12)
                    ++highlighted, winner = atQuestion[x][y] - 10;
        QVERIFY(highlighted >= 5);
        QCOMPARE(f.boxes.LastCaption(),
                 winner == 1 ? QStringLiteral("Vyhrál Alfa") : QStringLiteral("Vyhrál Delta"));
        QVERIFY(form.B[0]->isVisibleTo(&form));  // answered No: the set-up page
        QCOMPARE(form.matchState.matchRunning, 0);
    }
};

QTEST_MAIN(ComputerMatchWindowTest)
#include "test_computer_match_window.moc"
