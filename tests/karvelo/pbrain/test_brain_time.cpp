// SPDX-License-Identifier: GPL-3.0-or-later
// CPU mistr under a manager's time limits: the INFO values read, the time they leave a move, and
// the node budgets planned within it. No test looks at a real clock: the searches' times are made
// up, so the results do not depend on the machine.

#include "karvelo/computer/master_search.h"
#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/brain_session.h"
#include "tools/pbrain/budget_planner.h"
#include "tools/pbrain/search_guard.h"
#include "tools/pbrain/time_limits.h"

#include <QTest>

#include <unistd.h>

#include <climits>

using namespace karvelo;
using namespace karvelo::pbrain;

namespace {

// An engine at level 4 whose clock moves `step` ms at every reading.
struct Engine {
    SeededRandom random{1};
    BrainGame game{CpuMaster, random};
    double now = 0;
    double step;
    int guarded = 0;  // searches offered to the guard, which lets none finish
    BrainSession session;
    explicit Engine(double stepMs, bool guard = false)
        : step(stepMs), session(
                            game, "1.0", [this] { return now += step; },
                            guard ? GuardedSearch([this](const std::function<OwnSearch()>&, double) {
                                ++guarded;
                                return std::optional<OwnSearch>();
                            })
                                  : GuardedSearch()) {}

    // The budget of the search behind one answer to TURN after the INFO lines.
    std::int64_t BudgetAfter(std::initializer_list<const char*> infos) {
        session.Handle("START 20");
        for (const char* info : infos)
            if (!session.Handle(info).empty()) qFatal("%s was refused", info);
        const std::vector<std::string> answer = session.Handle("TURN 9,9");
        if (answer.size() != 1 || answer.front().find(',') == std::string::npos) qFatal("no move");
        return session.lastNodeBudget();
    }
};

// A search of `budget` nodes at `nodesPerMs`; the slowdown of the larger searches (their nodes
// lie deeper) grows with the budget.
double SearchMs(std::int64_t budget, double nodesPerMs) {
    const double deeper = budget > 100'000 ? 1.25 : 1.0;
    return double(budget) / nodesPerMs * deeper;
}

}  // namespace

class BrainTimeTest : public QObject {
    Q_OBJECT

private slots:
    void infoValuesAreRead() {
        Engine e(1);
        for (const char* info :
             {"INFO timeout_turn 1000", "info TIMEOUT_MATCH 180000", "INFO time_left 93000",
              "INFO max_memory 17179869184", "INFO time_left +92000"})
            QVERIFY2(e.session.Handle(info).empty(), info);
        const TimeLimits& l = e.session.limits();
        QCOMPARE(l.turnMs, std::optional<std::int64_t>(1000));
        QCOMPARE(l.matchMs, std::optional<std::int64_t>(180000));
        QCOMPARE(l.timeLeftMs, std::optional<std::int64_t>(92000));       // the latest
        QCOMPARE(l.maxMemory, std::optional<std::int64_t>(17179869184));  // 16 GiB: beyond 32 bits
    }

    void thinkingTime() {
        const int empty = 380;
        QVERIFY(!ThinkingTimeMs({}, empty));                     // no limits: the game's budget
        QVERIFY(!ThinkingTimeMs({0, {}, {}, {}}, empty));        // turn 0: as fast as possible
        QVERIFY(!ThinkingTimeMs({{}, {}, {}, 1 << 20}, empty));  // memory is no time
        // A turn limit, less a margin for the answer.
        const double turn = *ThinkingTimeMs({1000, {}, {}, {}}, empty);
        QVERIFY(turn >= 850 && turn < 1000);
        QVERIFY(*ThinkingTimeMs({5000, {}, {}, {}}, empty) >= 4700);
        QCOMPARE(*ThinkingTimeMs({10, {}, {}, {}}, empty), 0.0);
        // The match's time is shared among the moves to come, never more than is left.
        const double shared = *ThinkingTimeMs({1000, 180000, 6000, {}}, empty);
        QVERIFY(shared > 0 && shared <= 6000 / 8);
        QVERIFY(*ThinkingTimeMs({{}, 180000, 6000, {}}, empty) == shared);
        QVERIFY(*ThinkingTimeMs({1000, 180000, 6000, {}}, 30) >= shared);  // fewer moves to come
        QCOMPARE(*ThinkingTimeMs({1000, 180000, 0, {}}, empty), 0.0);
        // No match limit: timeout_match 0, or the managers' INT_MAX as time left.
        QCOMPARE(*ThinkingTimeMs({1000, 0, 500, {}}, empty), turn);
        QCOMPARE(*ThinkingTimeMs({1000, 180000, INT_MAX, {}}, empty), turn);
        QVERIFY(!ThinkingTimeMs({{}, {}, INT_MAX, {}}, empty));
    }

    // Searches simulated at a true speed, with the last move's speed as a guess that may be off
    // either way: the move stays within its time (unless the very first, smallest search alone
    // does not fit), the budgets grow, and most of a long time is used.
    void plannedBudgetsFitTheTime_data() {
        QTest::addColumn<double>("nodesPerMs");
        QTest::addColumn<double>("guessedNodesPerMs");
        for (double speed : {60.0, 300.0, 1000.0, 5000.0})
            for (double guess : {0.0, speed / 3, speed * 3})
                QTest::newRow(qPrintable(QString("%1 nodes/ms, guessed %2").arg(speed).arg(guess)))
                    << speed << guess;
    }
    void plannedBudgetsFitTheTime() {
        QFETCH(double, nodesPerMs);
        QFETCH(double, guessedNodesPerMs);
        for (double thinkingMs : {0.0, 5.0, 40.0, 200.0, 930.0, 4750.0}) {
            BudgetPlanner planner(thinkingMs, guessedNodesPerMs);
            double elapsed = 0;
            int searches = 0;
            std::int64_t last = 0;
            for (std::int64_t budget = planner.First(); budget > 0; ++searches) {
                QVERIFY(budget > last);
                const double ms = SearchMs(budget, nodesPerMs);
                elapsed += ms;
                last = budget;
                budget = planner.Next(budget, ms, elapsed);
            }
            const QString where =
                QString("%1 ms: %2 searches, %3 ms").arg(thinkingMs).arg(searches).arg(elapsed);
            QVERIFY2(elapsed <= thinkingMs || searches == 1, qPrintable(where));
            QVERIFY2(planner.First() <= masterNodeBudget, qPrintable(where));
            if (thinkingMs >= 900 && nodesPerMs <= 1000)
                QVERIFY2(elapsed >= 0.45 * thinkingMs, qPrintable(where));
        }
    }

    // A search that ends at once (a win in one) is not taken for the speed of the next.
    void instantSearchesAreNotBelieved() {
        BudgetPlanner planner(930, 300);
        const std::int64_t next = planner.Next(planner.First(), 0.01, 0.01);
        QVERIFY(next > planner.First());
        QVERIFY(SearchMs(next, 300) < 930);
    }

    // Through the protocol: no limit plays the game's budget; a turn limit raises it, a longer one
    // more; little time left of the match lowers it below the game's.
    void limitsSetTheBudget() {
        QCOMPARE(Engine(100).BudgetAfter({}), masterNodeBudget);
        QCOMPARE(Engine(100).BudgetAfter({"INFO timeout_turn 0"}), masterNodeBudget);
        const std::int64_t short_ = Engine(150).BudgetAfter({"INFO timeout_turn 700"});
        const std::int64_t long_ = Engine(150).BudgetAfter({"INFO timeout_turn 1000"});
        QVERIFY2(masterNodeBudget < short_ && short_ < long_,
                 qPrintable(QString("%1 %2").arg(short_).arg(long_)));
        QVERIFY(Engine(150).BudgetAfter({"INFO timeout_turn 1000", "INFO timeout_match 60000",
                                         "INFO time_left 1500"}) < masterNodeBudget);
        QCOMPARE(Engine(150).BudgetAfter(
                     {"INFO timeout_turn 1000", "INFO timeout_match 0", "INFO time_left 1500"}),
                 long_);
    }

    // A search that the time cuts short is dropped: the move comes from the first, which always
    // finishes.
    void overrunSearchIsDropped() {
        Engine e(150, true);
        QCOMPARE(e.BudgetAfter({"INFO timeout_turn 1000"}), masterNodeBudget);
        QCOMPARE(e.guarded, 1);
    }

    // A search that ends on its own (here: a five to block, found with no search at all) would
    // end the same with any larger budget, so the time left is not spent repeating it.
    void searchEndedOnItsOwnIsNotRepeated() {
        Engine e(1, true);
        for (const char* line : {"START 20", "INFO timeout_turn 1000", "BOARD", "5,5,2", "6,5,2", "7,5,2",
                                 "8,5,2", "5,9,1", "6,10,1", "12,12,1", "DONE"})
            e.session.Handle(line);
        QCOMPARE(e.guarded, 0);
        QCOMPARE(e.session.lastNodeBudget(), masterNodeBudget);
    }

    void searchInAChild() {
        int touched = 0;
        const auto found = SearchWithin(
            [&touched] {
                touched = 1;
                return OwnSearch{{{3, 4}, {20, 1}}, {123456789012, true}};
            },
            10'000);
        QVERIFY(found);
        QCOMPARE(found->fields, (std::vector<BoardPoint>{{3, 4}, {20, 1}}));
        QCOMPARE(found->effort.nodes, std::int64_t(123456789012));
        QVERIFY(found->effort.cutShort);
        QCOMPARE(touched, 0);  // the child's memory is its own
        const auto none = SearchWithin([] { return OwnSearch(); }, 10'000);
        QVERIFY(none && none->fields.empty() && !none->effort.cutShort);
        // One that would never end is killed at the deadline.
        const auto endless = SearchWithin(
            [] {
                for (;;) pause();
                return OwnSearch();
            },
            50);
        QVERIFY(!endless);
    }
};

QTEST_GUILESS_MAIN(BrainTimeTest)
#include "test_brain_time.moc"
