// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks, flood fill, loss and win as the rules report them: no window involved.

#include "support/minefield_art.h"
#include "support/scripted_random.h"
#include "zarn/rules/new_game.h"
#include "zarn/rules/uncovering.h"

#include <QTest>
#include <functional>
#include <set>
#include <stdexcept>

using namespace zarn;
using zarn::test::LayField;

namespace {

std::string At(FieldPosition at) { return std::to_string(at.row) + "," + std::to_string(at.column); }

// Records what the rules report, one line per event; the opened lists of the clicks apart.
class RecordedEvents final : public FieldEvents {
public:
    void FieldUncovered(FieldPosition at, std::int32_t minesAround) override {
        log.push_back("uncovered " + At(at) + " " + std::to_string(minesAround));
    }
    void ClickUncovered(const std::vector<FieldPosition>& opened) override { clicks.push_back(opened); }
    void GameLost(FieldPosition mine) override { log.push_back("lost " + At(mine)); }
    void GameWon() override { log.push_back("won"); }
    void NewFieldLaid() override { log.push_back("new field"); }
    void LetPendingEventsRun() override {
        ++eventRuns;
        if (onEvents) onEvents(eventRuns);
    }

    std::vector<std::string> Uncovered() const {
        std::vector<std::string> uncovered;
        for (const auto& line : log)
            if (line.rfind("uncovered", 0) == 0) uncovered.push_back(line);
        return uncovered;
    }

    std::vector<std::string> log;
    std::vector<std::vector<FieldPosition>> clicks;
    int eventRuns = 0;
    std::function<void(int)> onEvents;
    zarn::test::ScriptedRandom random;
};

std::string UncoveredLine(int row, int column, int minesAround) {
    return "uncovered " + std::to_string(row) + "," + std::to_string(column) + " " +
           std::to_string(minesAround);
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
        RecordedEvents view;
        Uncovering(field, view.random, view).ClickField(1, 2);
        QCOMPARE(view.log, std::vector<std::string>{UncoveredLine(1, 2, 3)});
        QCOMPARE(field.cells[1][2], int(csNumber));
        QCOMPARE(view.eventRuns, 1);
    }

    void fillUncoversBlankRegionWithItsRimAndStopsAtTheRing() {
        Minefield field;
        LayField(field, kWalledField);
        field.mineTarget = 1;  // for the field laid after a win
        RecordedEvents view;
        Uncovering(field, view.random, view).ClickField(5, 2);

        const std::vector<std::string> uncovered = view.Uncovered();
        QCOMPARE(uncovered.size(), size_t(40));
        QCOMPARE(view.eventRuns, 40);  // events run once per uncovered field
        QCOMPARE(std::set<std::string>(uncovered.begin(), uncovered.end()).size(), size_t(40));
        for (int row = 1; row <= 10; ++row) {
            for (int column = 1; column <= 3; ++column) QCOMPARE(field.cells[row][column], int(csBlank));
            QCOMPARE(field.cells[row][4], int(csNumber));
            const int around = (row == 1 || row == 10) ? 2 : 3;
            QVERIFY(std::count(uncovered.begin(), uncovered.end(), UncoveredLine(row, 4, around)) == 1);
            for (int column = 6; column <= 10; ++column) QCOMPARE(field.cells[row][column], int(csCovered));
        }
        for (int i = 0; i <= 11; ++i) {
            QCOMPARE(field.cells[0][i], int(csBorder));
            QCOMPARE(field.cells[11][i], int(csBorder));
            QCOMPARE(field.cells[i][0], int(csBorder));
        }
        QCOMPARE(view.log.size(), uncovered.size());  // no win: fields on the right are still covered
        // One report of the whole click, in the order of the uncovering.
        QCOMPARE(view.clicks.size(), size_t(1));
        QCOMPARE(view.clicks[0].size(), size_t(40));
        for (size_t i = 0; i < uncovered.size(); ++i)
            QCOMPARE(UncoveredLine(view.clicks[0][i].row, view.clicks[0][i].column,
                                   field.MinesAround(view.clicks[0][i].row, view.clicks[0][i].column)),
                     uncovered[i]);
    }

    void fillVisitsNeighboursDepthFirstInFixedOrder() {
        // Without mines the order up, down, left, right snakes down one column and up the next.
        Minefield field;
        LayField(field, std::vector<std::string>(4, "...."));
        RecordedEvents view;
        Uncovering(field, view.random, view).ClickField(1, 1);
        std::vector<std::string> expected;
        for (int column = 1; column <= 4; ++column)
            for (int step = 0; step < 4; ++step)
                expected.push_back(UncoveredLine(column % 2 ? 1 + step : 4 - step, column, 0));
        expected.push_back("won");
        expected.push_back("new field");
        QCOMPARE(view.log, expected);
    }

    void fillTakesDiagonalsAfterStraightNeighbours() {
        Minefield field;
        LayField(field, {"..*..", ".....", ".....", ".....", "*...*"});
        RecordedEvents view;
        Uncovering(field, view.random, view).ClickField(3, 3);
        const std::vector<std::string> uncovered = view.Uncovered();
        const std::vector<std::string> expectedStart{
            UncoveredLine(3, 3, 0),
            UncoveredLine(2, 3, 1),  // up: numbered, does not spread
            UncoveredLine(4, 3, 0),  // down: blank, spreads at once
            UncoveredLine(5, 3, 0),  // its down
            UncoveredLine(5, 2, 1),  // left, right
            UncoveredLine(5, 4, 1),
            UncoveredLine(4, 2, 1),  // up-left before up-right
            UncoveredLine(4, 4, 1),
            UncoveredLine(3, 2, 0),  // back at (4,3): left, right, down-right done; up-left
        };
        QCOMPARE(std::vector<std::string>(uncovered.begin(), uncovered.begin() + 9), expectedStart);
    }

    void mineLosesAndLaysANewField() {
        Minefield field;
        LayField(field, std::vector<std::string>(10, ".........."));
        field.cells[4][7] = csMine;
        field.mineTarget = 1;
        RecordedEvents view;
        const std::uint32_t before = field.generation;
        Uncovering(field, view.random, view).ClickField(4, 7);
        // The win test after the new field finds it covered: no win is reported.
        QCOMPARE(view.log, (std::vector<std::string>{"lost 4,7", "new field"}));
        QCOMPARE(field.generation, before + 1);
        QCOMPARE(field.minesPlaced, 1);
        QVERIFY(view.clicks.empty());
    }

    void lossTheWindowCannotShowStillLaysANewFieldBeforeTheError() {
        Minefield field;
        LayField(field, {"*....", ".....", ".....", ".....", "....."});
        field.mineTarget = 1;
        struct FailingLoss final : FieldEvents {
            void FieldUncovered(FieldPosition, std::int32_t) override {}
            void ClickUncovered(const std::vector<FieldPosition>&) override {}
            void GameLost(FieldPosition) override { throw std::runtime_error("mina.bmp"); }
            void GameWon() override { ++won; }
            void NewFieldLaid() override { ++laid; }
            void LetPendingEventsRun() override {}
            int won = 0;
            int laid = 0;
        } events;
        zarn::test::ScriptedRandom random;
        Uncovering uncovering(field, random, events);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, uncovering.ClickField(1, 1));
        QCOMPARE(events.laid, 1);
        QCOMPARE(events.won, 0);  // the error ends the click before the win test
        QVERIFY(!uncovering.Busy());
    }

    void oneFillCanWinAtOnce() {
        Minefield field;
        LayField(field, {".....", ".....", ".....", ".....", "....*"});
        RecordedEvents view;
        Uncovering(field, view.random, view).ClickField(1, 1);
        QCOMPARE(view.Uncovered().size(), size_t(24));
        QCOMPARE(view.log[24], std::string("won"));
        QCOMPARE(view.log[25], std::string("new field"));
        QCOMPARE(view.log.size(), size_t(26));
    }

    void fillStopsWhenANewFieldIsLaidDuringIt() {
        Minefield field;
        LayField(field, kWalledField);
        RecordedEvents view;
        view.onEvents = [&](int run) {
            if (run == 5) StartNewGame(field, view.random, view);  // e.g. the time limit expiring at a tick
        };
        Uncovering(field, view.random, view).ClickField(1, 1);
        QCOMPARE(view.Uncovered().size(), size_t(4));
        QCOMPARE(view.log.back(), std::string("new field"));
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column)
                QVERIFY(field.cells[row][column] == csCovered || field.cells[row][column] == csMine);
    }

    void clickDuringAFillWaitsUntilItHasFinished() {
        Minefield field;
        LayField(field, kWalledField);
        RecordedEvents view;
        Uncovering uncovering(field, view.random, view);
        view.onEvents = [&](int run) {
            if (run == 3) {
                uncovering.ClickField(10, 1);  // the fill gets there first: dropped
                uncovering.ClickField(1, 8);   // across the wall: handled after the fill
            }
        };
        uncovering.ClickField(1, 1);
        const std::vector<std::string> uncovered = view.Uncovered();
        QCOMPARE(uncovered.size(), size_t(40 + 50));
        QCOMPARE(uncovered[40], UncoveredLine(1, 8, 0));
        QCOMPARE(std::count(uncovered.begin(), uncovered.end(), UncoveredLine(10, 1, 0)), 1L);
        QCOMPARE(view.log.back(), std::string("new field"));  // the second click won the game
        QCOMPARE(view.clicks.size(), size_t(2));              // the dropped click opened nothing
        QCOMPARE(view.clicks[1].front(), (FieldPosition{1, 8}));
        QVERIFY(!uncovering.Busy());
    }

    void clickWaitingOnAReplacedFieldIsDropped() {
        Minefield field;
        LayField(field, kWalledField);
        field.mineTarget = 1;
        RecordedEvents view;
        Uncovering uncovering(field, view.random, view);
        view.onEvents = [&](int run) {
            if (run == 2) uncovering.ClickField(3, 8);
            if (run == 3) StartNewGame(field, view.random, view);
        };
        uncovering.ClickField(1, 1);
        QCOMPARE(view.Uncovered().size(), size_t(2));
        QCOMPARE(view.eventRuns, 3);
    }
};

QTEST_APPLESS_MAIN(UncoveringTest)
#include "test_uncovering.moc"
