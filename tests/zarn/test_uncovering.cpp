// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks, flood fill, loss and win against a scripted view: no window involved.

#include "support/minefield_art.h"
#include "support/scripted_random.h"
#include "zarn/rules/uncovering.h"

#include <QTest>
#include <functional>
#include <set>

using namespace zarn;
using zarn::test::LayField;

namespace {

// Records what the rules ask of the screen, one line per request.
class ScriptedView final : public FieldView {
public:
    explicit ScriptedView(Minefield& field) : field_(field) {}

    void PaintTile(std::int32_t row, std::int32_t column, const std::string& tileFile) override {
        log.push_back("paint " + std::to_string(row) + "," + std::to_string(column) + " " + tileFile);
    }
    void LetPendingEventsRun() override {
        ++eventRuns;
        if (onEvents) onEvents(eventRuns);
    }
    void ShowMessage(const std::string& text) override { log.push_back("message " + text); }
    void NewGame() override {
        field_.LayNewField(random);
        log.push_back("new game");
    }

    std::vector<std::string> Paints() const {
        std::vector<std::string> paints;
        for (const auto& line : log)
            if (line.rfind("paint", 0) == 0) paints.push_back(line);
        return paints;
    }

    std::vector<std::string> log;
    int eventRuns = 0;
    std::function<void(int)> onEvents;
    zarn::test::ScriptedRandom random;

private:
    Minefield& field_;
};

std::string Paint(int row, int column, int minesAround) {
    return "paint " + std::to_string(row) + "," + std::to_string(column) + " zarn" +
           std::to_string(minesAround) + ".bmp";
}

// Column 5 is a wall of mines: a fill from the left never reaches the right.
const std::vector<std::string> kWalledField(10, "....*.....");

}  // namespace

class UncoveringTest : public QObject {
    Q_OBJECT

private slots:
    void numberedFieldUncoversOnlyItself() {
        Minefield field;
        LayField(field, {"*.*..", ".*...", ".....", ".....", "....."});
        ScriptedView view(field);
        Uncovering(field, view).ClickField(1, 2);
        QCOMPARE(view.log, std::vector<std::string>{Paint(1, 2, 3)});
        QCOMPARE(field.cells[1][2], int(csNumber));
        QCOMPARE(view.eventRuns, 1);
    }

    void fillUncoversBlankRegionWithItsRimAndStopsAtTheRing() {
        Minefield field;
        LayField(field, kWalledField);
        field.mineTarget = 1;  // for the field laid after a win
        ScriptedView view(field);
        Uncovering(field, view).ClickField(5, 2);

        const std::vector<std::string> paints = view.Paints();
        QCOMPARE(paints.size(), size_t(40));
        QCOMPARE(view.eventRuns, 40);  // events run once per uncovered field
        QCOMPARE(std::set<std::string>(paints.begin(), paints.end()).size(), size_t(40));
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 3; ++column) QCOMPARE(field.cells[row][column], int(csBlank));
            QCOMPARE(field.cells[row][4], int(csNumber));
            const int around = (row == 1 || row == 10) ? 2 : 3;
            QVERIFY(std::count(paints.begin(), paints.end(), Paint(row, 4, around)) == 1);
            for (int column = 6; column <= 10; ++column) QCOMPARE(field.cells[row][column], int(csCovered));
        }
        for (int i = 0; i <= 11; ++i) {
            QCOMPARE(field.cells[0][i], int(csBorder));
            QCOMPARE(field.cells[11][i], int(csBorder));
            QCOMPARE(field.cells[i][0], int(csBorder));
        }
        QCOMPARE(view.log.size(), paints.size());  // no message: fields on the right are still covered
    }

    void fillVisitsNeighboursDepthFirstInFixedOrder() {
        // Without mines the order up, down, left, right snakes down one column and up the next.
        Minefield field;
        LayField(field, std::vector<std::string>(4, "...."));
        ScriptedView view(field);
        Uncovering(field, view).ClickField(1, 1);
        std::vector<std::string> expected;
        for (int column = 1; column <= 4; ++column)
            for (int step = 0; step < 4; ++step)
                expected.push_back(Paint(column % 2 ? 1 + step : 4 - step, column, 0));
        expected.push_back("message Vyhráli jste!");
        expected.push_back("new game");
        QCOMPARE(view.log, expected);
    }

    void fillTakesDiagonalsAfterStraightNeighbours() {
        Minefield field;
        LayField(field, {"..*..", ".....", ".....", ".....", "*...*"});
        ScriptedView view(field);
        Uncovering(field, view).ClickField(3, 3);
        const std::vector<std::string> paints = view.Paints();
        const std::vector<std::string> expectedStart{
            Paint(3, 3, 0), Paint(2, 3, 1),  // up: numbered, does not spread
            Paint(4, 3, 0),                  // down: blank, spreads at once
            Paint(5, 3, 0),                  // its down
            Paint(5, 2, 1),                  // left, right
            Paint(5, 4, 1), Paint(4, 2, 1),  // up-left before up-right
            Paint(4, 4, 1), Paint(3, 2, 0),  // back at (4,3): left, right, down-right done; up-left
        };
        QCOMPARE(std::vector<std::string>(paints.begin(), paints.begin() + 9), expectedStart);
    }

    void mineLosesAndLaysANewField() {
        Minefield field;
        LayField(field, std::vector<std::string>(10, ".........."));
        field.cells[4][7] = csMine;
        field.mineTarget = 1;
        ScriptedView view(field);
        const std::uint32_t before = field.generation;
        Uncovering(field, view).ClickField(4, 7);
        // The win test after the new field finds it covered: no win is reported.
        QCOMPARE(view.log, (std::vector<std::string>{"paint 4,7 mina.bmp", "message Mina! Prohráli jste!",
                                                     "new game"}));
        QCOMPARE(field.generation, before + 1);
        QCOMPARE(field.minesPlaced, 1);
    }

    void oneFillCanWinAtOnce() {
        Minefield field;
        LayField(field, {".....", ".....", ".....", ".....", "....*"});
        ScriptedView view(field);
        Uncovering(field, view).ClickField(1, 1);
        QCOMPARE(view.Paints().size(), size_t(24));
        QCOMPARE(view.log[24], std::string("message Vyhráli jste!"));
        QCOMPARE(view.log[25], std::string("new game"));
        QCOMPARE(view.log.size(), size_t(26));
    }

    void fillStopsWhenANewFieldIsLaidDuringIt() {
        Minefield field;
        LayField(field, kWalledField);
        ScriptedView view(field);
        view.onEvents = [&](int run) {
            if (run == 5) view.NewGame();  // e.g. the time limit expiring at a tick
        };
        Uncovering(field, view).ClickField(1, 1);
        QCOMPARE(view.Paints().size(), size_t(4));
        QCOMPARE(view.log.back(), std::string("new game"));
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column)
                QVERIFY(field.cells[row][column] == csCovered || field.cells[row][column] == csMine);
    }

    void clickDuringAFillWaitsUntilItHasFinished() {
        Minefield field;
        LayField(field, kWalledField);
        ScriptedView view(field);
        Uncovering uncovering(field, view);
        view.onEvents = [&](int run) {
            if (run == 3) {
                uncovering.ClickField(10, 1);  // the fill gets there first: dropped
                uncovering.ClickField(1, 8);   // across the wall: handled after the fill
            }
        };
        uncovering.ClickField(1, 1);
        const std::vector<std::string> paints = view.Paints();
        QCOMPARE(paints.size(), size_t(40 + 50));
        QCOMPARE(paints[40], Paint(1, 8, 0));
        QCOMPARE(std::count(paints.begin(), paints.end(), Paint(10, 1, 0)), 1L);
        QCOMPARE(view.log.back(), std::string("new game"));  // the second click won the game
        QVERIFY(!uncovering.Busy());
    }

    void clickWaitingOnAReplacedFieldIsDropped() {
        Minefield field;
        LayField(field, kWalledField);
        field.mineTarget = 1;
        ScriptedView view(field);
        Uncovering uncovering(field, view);
        view.onEvents = [&](int run) {
            if (run == 2) uncovering.ClickField(3, 8);
            if (run == 3) view.NewGame();
        };
        uncovering.ClickField(1, 1);
        QCOMPARE(view.Paints().size(), size_t(2));
        QCOMPARE(view.eventRuns, 3);
    }
};

QTEST_APPLESS_MAIN(UncoveringTest)
#include "test_uncovering.moc"
