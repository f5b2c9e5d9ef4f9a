// SPDX-License-Identifier: GPL-3.0-or-later
// arena: plays computer levels against each other with the real rules, without a window, and
// prints how often each wins and how long CPU mistr takes for a move.
//
//   arena [--matches N] [--seed S] [FIRST SECOND]
//
// FIRST moves first. Levels are 1, 2, 3, 4 or novice, beginner, advanced, mistr. Without levels
// every ordered pairing of the four is played. Match i of a pairing draws from a generator seeded
// with S + i, so a run is repeatable and every pairing sees the same seeds.

#include "karvelo/computer/computer_levels.h"
#include "karvelo/match/match_engine.h"
#include "karvelo/match/null_match_host.h"
#include "karvelo/roster/roster_file.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace karvelo;

namespace {

constexpr int levelCount = 4;
const char* const levelNames[] = {"", "CPU nováček", "CPU začátečník", "CPU pokročilý", "CPU mistr"};

using Clock = std::chrono::steady_clock;

// This thread's processor time in milliseconds: on a busy machine the wall clock also counts the
// time other programs had the processor.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) * 1e-6;
}

struct MoveTimes {
    std::vector<double> wallMs, processorMs;
    void Add(const MoveTimes& other) {
        wallMs.insert(wallMs.end(), other.wallMs.begin(), other.wallMs.end());
        processorMs.insert(processorMs.end(), other.processorMs.begin(), other.processorMs.end());
    }
};

// The window's part, answered without one: every next-match question is answered No.
class ArenaHost final : public NullMatchHost {
public:
    explicit ArenaHost(const MatchState& m) : m_(m) {}
    std::string caption;    // of the last end-of-match question
    int moves = 0;          // moves of the last match
    MoveTimes masterMoves;  // every move of CPU mistr

    // Every move passes the turn, so the time from one passed turn (or a match's start) to the
    // next is that move's time (the search and the evaluation after it).
    void MatchStarted() override { Moment(); }
    void TurnPassed() override { Moment(); }
    bool AskYesNo(const std::string& c, const std::string&) override {
        caption = c;
        return false;
    }

private:
    void Moment() {
        const Clock::time_point now = Clock::now();
        const double processorNow = ThreadMs();
        if (m_.moveCount > 0) {
            moves = m_.moveCount;  // the board is cleared before the question
            if (m_.moveCount != lastCount_) {
                const int mover = m_.playerOnMove == 1 ? 2 : 1;
                if ((mover == 1 ? m_.contestantType1 : m_.contestantType2) == CpuMaster) {
                    masterMoves.wallMs.push_back(
                        std::chrono::duration<double, std::milli>(now - last_).count());
                    masterMoves.processorMs.push_back(processorNow - lastProcessor_);
                }
            }
        }
        lastCount_ = m_.moveCount;
        last_ = now;
        lastProcessor_ = processorNow;
    }

    const MatchState& m_;
    int lastCount_ = -1;
    Clock::time_point last_ = Clock::now();
    double lastProcessor_ = ThreadMs();
};

struct Tally {
    int wins = 0, losses = 0, draws = 0;
    long long moves = 0;
    int Matches() const { return wins + losses + draws; }
};

Tally PlayPairing(int first, int second, int matches, unsigned seed, bool progress, MoveTimes& masterMoves) {
    MatchState m;
    Roster roster;
    std::strcpy(roster.roster[0].name, "A");
    std::strcpy(roster.roster[1].name, "B");
    roster.roster[0].type = first;
    roster.roster[1].type = second;
    roster.rosterCount = 2;
    // A folder that does not exist: the score exchange runs, its save fails quietly.
    RosterFile file("/nonexistent-karvelo-arena/data.dat");
    SeededRandom random(seed);
    ArenaHost host(m);
    ComputerLevels computer;
    MatchEngine engine(m, roster, file, random, computer, host);

    Tally t;
    for (int i = 0; i < matches; ++i) {
        random = SeededRandom(seed + unsigned(i));
        m.contestantType1 = first;
        m.contestantType2 = second;
        m.playerOnMove = 1;
        m.matchRunning = 1;
        host.caption.clear();
        engine.StartMatch();
        if (host.caption == "Vyhrál A")
            ++t.wins;
        else if (host.caption == "Vyhrál B")
            ++t.losses;
        else
            ++t.draws;
        t.moves += host.moves;
        if (progress && (i % 25 == 0 || i + 1 == matches)) {
            std::printf("\r%s – %s: %d/%d", levelNames[first], levelNames[second], i + 1, matches);
            std::fflush(stdout);
        }
    }
    if (progress) std::printf("\r\033[K");
    masterMoves.Add(host.masterMoves);
    return t;
}

int ParseLevel(const char* text) {
    const std::string s = text;
    if (s == "1" || s == "novice") return 1;
    if (s == "2" || s == "beginner") return 2;
    if (s == "3" || s == "advanced") return 3;
    if (s == "4" || s == "mistr") return 4;
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: arena [--matches N] [--seed S] [FIRST SECOND]\n"
                         "  levels: 1 novice, 2 beginner, 3 advanced, 4 mistr; FIRST moves first\n");
    return 2;
}

double Percent(int part, int whole) { return whole ? 100.0 * part / whole : 0.0; }

}  // namespace

int main(int argc, char** argv) {
    int matches = 1000;
    unsigned seed = 1;
    std::vector<int> levels;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--matches" || arg == "--seed") && i + 1 < argc) {
            char* end = nullptr;
            const long v = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || v < (arg == "--matches" ? 1 : 0)) return Usage();
            (arg == "--matches" ? matches = int(v) : seed = unsigned(v));
        } else if (const int level = ParseLevel(argv[i])) {
            levels.push_back(level);
        } else {
            return Usage();
        }
    }
    if (levels.size() != 0 && levels.size() != 2) return Usage();

    std::vector<std::pair<int, int>> pairings;
    if (levels.empty()) {
        for (int a = 1; a <= levelCount; ++a)
            for (int b = 1; b <= levelCount; ++b) pairings.push_back({a, b});
    } else {
        pairings.push_back({levels[0], levels[1]});
    }

    const bool progress = isatty(STDOUT_FILENO) != 0;
    std::printf("%d matches per pairing, seeds %u to %u\n\n", matches, seed, seed + unsigned(matches) - 1);
    std::printf("| moves first | moves second | wins | losses | draws | wins %% | mean moves |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|\n");
    std::fflush(stdout);
    Tally perLevel[levelCount + 1];
    MoveTimes masterMoves;
    for (auto [a, b] : pairings) {
        const Tally t = PlayPairing(a, b, matches, seed, progress, masterMoves);
        std::printf("| %s | %s | %d | %d | %d | %.1f | %.1f |\n", levelNames[a], levelNames[b], t.wins,
                    t.losses, t.draws, Percent(t.wins, t.Matches()), double(t.moves) / t.Matches());
        std::fflush(stdout);
        if (a != b) {
            perLevel[a].wins += t.wins, perLevel[a].losses += t.losses, perLevel[a].draws += t.draws;
            perLevel[b].wins += t.losses, perLevel[b].losses += t.wins, perLevel[b].draws += t.draws;
        }
    }
    if (pairings.size() > 1) {
        std::printf("\nAgainst the other levels, both orders of first move together:\n\n");
        std::printf("| level | wins | losses | draws | wins %% |\n|---|---:|---:|---:|---:|\n");
        for (int level = 1; level <= levelCount; ++level) {
            const Tally& t = perLevel[level];
            std::printf("| %s | %d | %d | %d | %.1f |\n", levelNames[level], t.wins, t.losses, t.draws,
                        Percent(t.wins, t.Matches()));
        }
    }
    if (!masterMoves.wallMs.empty()) {
        std::vector<double>& wall = masterMoves.wallMs;
        std::vector<double>& processor = masterMoves.processorMs;
        std::sort(wall.begin(), wall.end());
        std::sort(processor.begin(), processor.end());
        std::printf("\nCPU mistr, time per move over %zu moves: median %.2f ms, worst %.2f ms "
                    "(processor time: median %.2f ms, worst %.2f ms)\n",
                    wall.size(), wall[wall.size() / 2], wall.back(), processor[processor.size() / 2],
                    processor.back());
    }
    return 0;
}
