// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the computer players: each evaluation method against its plain reference on the same
// positions, one computer move, whole computer matches with and without the window, and a human's
// click answered by the computer.

#include "evaluation_reference.h"

#include "karvelo/computer/computer_levels.h"
#include "karvelo/computer/line_walk.h"
#include "karvelo/computer/run_credits.h"
#include "karvelo/computer/run_credits_with_gaps.h"
#include "karvelo/form1.h"
#include "karvelo/match/five_in_row.h"
#include "karvelo/match/match_engine.h"
#include "karvelo/match/null_match_host.h"
#include "karvelo/message_boxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <random>

using namespace karvelo;

namespace {

class QuietHost final : public NullMatchHost {
public:
    int moves = 0;  // of the last match: the move count at its last passed turn
    const MatchState* match = nullptr;
    void TurnPassed() override {
        if (match && match->moveCount > 0) moves = match->moveCount;
    }
};

// A position of the given number of stones, alternately contestant 1 and 2, with no run longer
// than maxRun anywhere, contestant 2 (of type2) on move.
MatchState MidGame(int stones, std::int32_t type2, int maxRun = 4, unsigned seed = 1) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> coordinate(1, boardSize);
    for (;;) {
        MatchState m;
        m.contestantType1 = Human;
        m.contestantType2 = type2;
        m.playerOnMove = 2;
        m.matchRunning = 1;
        ResetBoard(m);
        for (int placed = 0; placed < stones;) {
            Field& f = m.board[coordinate(gen)][coordinate(gen)];
            if (f.state != fsEmpty) continue;
            f.state = placed % 2 + 1;
            f.picture = f.state == 1 ? 1 : 4;
            ++placed;
        }
        int longest = 0;
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y)
                for (int p = 1; p <= 2; ++p)
                    for (const Direction& d : directions)
                        longest = std::max(longest, RunLength(m.board, d.dx, d.dy, x, y, p));
        if (longest <= maxRun) return m;
    }
}

struct Flat {
    int state[reference::span * reference::span];
    int value[reference::span * reference::span];
};

Flat Flatten(const MatchState& m) {
    Flat f{};
    for (int x = 0; x < boardSpan; ++x)
        for (int y = 0; y < boardSpan; ++y) f.state[x * boardSpan + y] = m.board[x][y].state;
    return f;
}

// The program's method and the reference must agree before their timings mean anything.
void CheckAgreement(const MatchState& m, const Flat& flat, benchmark::State& state) {
    for (int x = 0; x < boardSpan; ++x)
        for (int y = 0; y < boardSpan; ++y)
            if (m.board[x][y].value != flat.value[x * boardSpan + y]) {
                state.SkipWithError("the method and its reference disagree");
                return;
            }
}

enum Method { runCredits = 1, lineWalk = 2, runCreditsWithGaps = 3 };

void Evaluate(MatchState& m, int method) {
    ResetFieldValues(m);
    if (method == runCredits) EvaluateByRunCredits(m);
    if (method == lineWalk) EvaluateByLineWalk(m.board);
    if (method == runCreditsWithGaps) EvaluateByRunCreditsWithGaps(m);
}

void EvaluateReference(Flat& f, int method) {
    if (method == runCredits) reference::RunCredits(f.state, f.value, 2);
    if (method == lineWalk) reference::LineWalk(f.state, f.value);
    if (method == runCreditsWithGaps) reference::RunCreditsWithGaps(f.state, f.value, 2);
}

// Arguments: method, stones.
void BM_Evaluate(benchmark::State& state) {
    const int method = int(state.range(0));
    MatchState m = MidGame(int(state.range(1)), method);
    for (auto _ : state) {
        Evaluate(m, method);
        benchmark::DoNotOptimize(m.board);
    }
    Flat f = Flatten(m);
    EvaluateReference(f, method);
    CheckAgreement(m, f, state);
}

void BM_EvaluateReference(benchmark::State& state) {
    const int method = int(state.range(0));
    Flat f = Flatten(MidGame(int(state.range(1)), method));
    for (auto _ : state) {
        EvaluateReference(f, method);
        benchmark::DoNotOptimize(f.value);
    }
}

void EvaluationArguments(benchmark::internal::Benchmark* b) {
    b->ArgNames({"method", "stones"});
    for (int method : {runCredits, lineWalk, runCreditsWithGaps})
        for (int stones : {40, 120}) b->Args({method, stones});
}
BENCHMARK(BM_Evaluate)->Apply(EvaluationArguments)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateReference)->Apply(EvaluationArguments)->Unit(benchmark::kMicrosecond);

// The engine with a quiet host and a roster that is never written (its folder does not exist).
struct QuietTable {
    MatchState m;
    Roster roster;
    RosterFile file{"/nonexistent-karvelo-bench/data.dat"};
    SeededRandom random{1};
    QuietHost host;
    ComputerLevels computer;
    MatchEngine engine{m, roster, file, random, computer, host};

    QuietTable(std::int32_t type1, std::int32_t type2) {
        roster.roster[0].type = type1;
        roster.roster[1].type = type2;
        roster.rosterCount = 2;
        host.match = &m;
    }
};

// One computer move from a mid-game position (arguments: level, stones): two evaluations, the
// choice and the placing, the five test. The position is restored before each move.
void BM_ComputerMove(benchmark::State& state) {
    const auto level = std::int32_t(state.range(0));
    QuietTable t(Human, level);
    // A position in which the computer's move does not end the match, so every move is the same.
    MatchState start;
    const SeededRandom draws(1);
    for (unsigned seed = 1;; ++seed) {
        start = MidGame(int(state.range(1)), level, 3, seed);
        t.m = start;
        t.random = draws;
        t.engine.PassTurn();
        if (t.m.matchRunning == 1 && t.m.gameOver == 0) break;
    }
    for (auto _ : state) {
        t.m = start;
        t.random = draws;
        t.engine.PassTurn();  // contestant 2 is on move and plays; then the human is
        benchmark::DoNotOptimize(t.m.board);
    }
}
BENCHMARK(BM_ComputerMove)
    ->ArgNames({"level", "stones"})
    ->ArgsProduct({{1, 2, 3, 4}, {40, 120}})
    ->Unit(benchmark::kMicrosecond);

// A whole match of two computers with the rules alone (arguments: first and second level); a new
// seed for every match.
void BM_WholeMatchRules(benchmark::State& state) {
    QuietTable t(std::int32_t(state.range(0)), std::int32_t(state.range(1)));
    std::uint32_t seed = 1;
    long long moves = 0;
    for (auto _ : state) {
        t.random = SeededRandom(seed++);
        t.m.matchRunning = 1;
        t.m.playerOnMove = 1;
        t.m.contestantType1 = t.roster.roster[0].type;
        t.m.contestantType2 = t.roster.roster[1].type;
        t.engine.StartMatch();
        moves += t.host.moves;
    }
    state.counters["moves"] = benchmark::Counter(double(moves) / double(state.iterations()));
}
BENCHMARK(BM_WholeMatchRules)
    ->ArgNames({"first", "second"})
    ->ArgsProduct({{1, 2, 3}, {1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

// Answers Yes to the two-computer question and No to another match.
class BenchBoxes final : public MessageBoxes {
public:
    void Inform(const QString&, const QString&) override {}
    bool AskYesNo(const QString& caption, const QString&) override {
        return caption == QStringLiteral("Hra dvou PC");
    }
    void ReportError(const QString& text) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
};

// The shipped roster: 0 human, 2 novice, 3 beginner, 4 and 5 advanced, 6 master.
constexpr int rosterHuman = 0;
int RosterEntryOf(std::int32_t level) {
    switch (level) {
    case CpuMaster:
        return 6;
    case CpuAdvanced:
        return 4;
    case CpuBeginner:
        return 3;
    default:
        return 2;
    }
}

void ChooseContestants(TForm1& form, int entry1, int entry2) {
    form.Hrat1Click();
    form.CB[1]->setCurrentIndex(entry1);
    form.CB1Change();
    form.CB[2]->setCurrentIndex(entry2);
    form.CB2Change();
    form.RB0->setChecked(true);
}

// The same match in the offscreen window, through "Začít souboj": the images reloaded at the
// start, the board repainted after every move and pending events let through between the moves,
// the scores stored at the end and the set-up page opened after No.
void BM_WholeMatchWindow(benchmark::State& state) {
    BenchBoxes boxes;
    SeededRandom random(1);
    TForm1 form(boxes, random);
    form.show();
    const auto first = std::int32_t(state.range(0)), second = std::int32_t(state.range(1));
    const int entry1 = RosterEntryOf(first),
              entry2 = first == second && first == CpuAdvanced ? 5 : RosterEntryOf(second);
    if (entry1 == entry2) {
        state.SkipWithError("the shipped roster has one player of this level");
        return;
    }
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        ChooseContestants(form, entry1, entry2);
        random = SeededRandom(seed++);
        state.ResumeTiming();
        form.B0Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WholeMatchWindow)
    ->ArgNames({"first", "second"})
    ->Args({3, 3})
    ->Args({3, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond);

// A human's press on the board while a computer waits (argument: its level): the human's stone,
// the computer's reply, both painted, and the paint delivered offscreen.
void BM_HumanClickToComputerReply(benchmark::State& state) {
    BenchBoxes boxes;
    SeededRandom random(1);
    TForm1 form(boxes, random);
    form.show();
    const auto level = std::int32_t(state.range(0));
    ChooseContestants(form, rosterHuman, RosterEntryOf(level));
    form.CHB0->setChecked(true);
    form.B0Click();  // the human begins
    MatchState& m = form.matchState;
    MatchState start = MidGame(40, level, 2);
    start.playerOnMove = 1;
    start.moveCount = 41;
    start.showFieldValues = 1;
    start.contestantIndex1 = m.contestantIndex1;
    start.contestantIndex2 = m.contestantIndex2;
    start.cellWidth = m.cellWidth;
    start.cellHeight = m.cellHeight;
    // A press whose move and reply leave the match running, so every iteration is the same.
    int px = 0, py = 0;
    for (int x = 1; x <= boardSize && px == 0; ++x)
        for (int y = 1; y <= boardSize && px == 0; ++y) {
            if (start.board[x][y].state != fsEmpty) continue;
            m = start;
            random = SeededRandom(1);
            form.BoardMouseDown(Qt::LeftButton, {}, (x + 1) * 20 + 10, (y + 1) * 20 + 10);
            if (m.matchRunning == 1 && m.moveCount == 43) px = x, py = y;
        }
    for (auto _ : state) {
        m = start;
        random = SeededRandom(1);
        form.BoardMouseDown(Qt::LeftButton, {}, (px + 1) * 20 + 10, (py + 1) * 20 + 10);
        QCoreApplication::processEvents();
    }
    if (m.moveCount != 43) state.SkipWithError("the reply did not come");
}
BENCHMARK(BM_HumanClickToComputerReply)->ArgName("level")->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// The window benchmarks store scores: they run in a copy of the data folder.
bool CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    if (!CopyTree(QStringLiteral(KARVELO_DATA_DIR), work.path())) return 1;
    QDir::setCurrent(work.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
