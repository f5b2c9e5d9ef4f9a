// SPDX-License-Identifier: GPL-3.0-or-later
// match_runner: two gomoku engines against each other through the engines' text protocol, and
// how the first one scored.
//
//   match_runner [options] COMMAND_A COMMAND_B
//
// Each command is run by /bin/sh, a fresh process for every game; "{seed}" in it becomes the
// game's own number plus --seed, for engines that take a seed. Opening i (two stones a side near
// the centre, from --seed) is played twice, A black and then A white, so the colours balance.
// A move that is not a legal x,y in time loses; five or more in a row wins; a full board draws.

#include "tools/match_runner/game_play.h"
#include "tools/match_runner/match_tally.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

using namespace match_runner;

namespace {

const char* const usage =
    "usage: match_runner [--games N] [--seed S] [--turn-ms MS] [--match-ms MS] [--tolerance-ms MS]\n"
    "                    [--memory BYTES] [--time-info both|a|b|none] [--quiet] COMMAND_A COMMAND_B\n"
    "  --games N         games, rounded up to even: each opening with both colours (100)\n"
    "  --seed S          the series of openings (1)\n"
    "  --turn-ms MS      limit of one move, sent as INFO timeout_turn (1000)\n"
    "  --match-ms MS     limit of all an engine's moves in a game, INFO timeout_match and\n"
    "                    time_left; 0 for none (0)\n"
    "  --tolerance-ms MS allowed beyond the limits before a move is forfeited (0)\n"
    "  --memory BYTES    sent as INFO max_memory; 0 for none (0)\n"
    "  --time-info WHO   which engines are told the limits; the others play at their own pace,\n"
    "                    the limits still apply (both)\n"
    "  --quiet           no line per game on standard error\n";

bool ParseInt(std::string_view text, long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && value >= 0;
}

std::string WithSeed(std::string command, long long seed) {
    const std::string mark = "{seed}";
    for (std::size_t at; (at = command.find(mark)) != std::string::npos;)
        command.replace(at, mark.size(), std::to_string(seed));
    return command;
}

struct Forfeits {
    int time = 0, wrong = 0, silent = 0;
    void Count(Ending e) {
        if (e == Ending::timeout) ++time;
        if (e == Ending::wrongMove) ++wrong;
        if (e == Ending::noAnswer) ++silent;
    }
};

void PrintRow(const char* name, const Tally& t) {
    const Interval i = t.Interval95();
    std::printf("%-12s %6d %6d %7d %6d %7.3f   %.3f .. %.3f\n", name, t.Games(), t.wins, t.losses, t.draws,
                t.Score(), i.low, i.high);
}

void PrintTimes(const char* name, const TimeSummary& s) {
    std::printf("%-12s %6d %9.1f %10.1f %8.1f\n", name, s.moves, s.meanMs, s.medianMs, s.maxMs);
}

}  // namespace

int main(int argc, char** argv) {
    long long games = 100, seed = 1;
    TimeControl time;
    Contestant a, b;
    bool quiet = false;
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        long long value = 0;
        if (option == "--help" || option == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (option == "--quiet") {
            quiet = true;
            continue;
        }
        if (option == "--time-info" && i + 1 < argc) {
            const std::string_view who = argv[++i];
            if (who != "both" && who != "a" && who != "b" && who != "none") {
                std::fputs(usage, stderr);
                return 2;
            }
            a.toldTime = who == "both" || who == "a";
            b.toldTime = who == "both" || who == "b";
            continue;
        }
        if (option.starts_with("--")) {
            if (i + 1 >= argc || !ParseInt(argv[i + 1], value) || value > 1'000'000'000'000LL) {
                std::fputs(usage, stderr);
                return 2;
            }
            ++i;
            if (option == "--games" && value > 0)
                games = value;
            else if (option == "--seed")
                seed = value;
            else if (option == "--turn-ms" && value > 0 && value <= 1'000'000'000)
                time.turnMs = int(value);
            else if (option == "--match-ms" && value <= 1'000'000'000)
                time.matchMs = int(value);
            else if (option == "--tolerance-ms" && value <= 1'000'000)
                time.toleranceMs = int(value);
            else if (option == "--memory")
                time.maxMemory = value;
            else {
                std::fputs(usage, stderr);
                return 2;
            }
            continue;
        }
        commands.emplace_back(option);
    }
    if (commands.size() != 2) {
        std::fputs(usage, stderr);
        return 2;
    }

    const long long openings = (games + 1) / 2;
    Tally asBlack, asWhite, all;
    Forfeits forfeitsA, forfeitsB;
    std::vector<double> msA, msB;
    for (long long game = 0; game < 2 * openings; ++game) {
        const bool aBlack = game % 2 == 0;
        const Opening opening = MakeOpening(std::uint64_t(seed), int(game / 2));
        Contestant gameA{WithSeed(commands[0], seed + game), a.toldTime};
        Contestant gameB{WithSeed(commands[1], seed + game), b.toldTime};
        const GameResult r =
            aBlack ? PlayGame(gameA, gameB, opening, time) : PlayGame(gameB, gameA, opening, time);
        const Colour aColour = aBlack ? Colour::black : Colour::white;
        Tally& byColour = aBlack ? asBlack : asWhite;
        for (Tally* t : {&byColour, &all}) {
            if (r.winner == Colour::none)
                ++t->draws;
            else if (r.winner == aColour)
                ++t->wins;
            else
                ++t->losses;
        }
        if (r.winner != Colour::none && r.ending != Ending::five)
            (r.winner == aColour ? forfeitsB : forfeitsA).Count(r.ending);
        const auto& aMs = aBlack ? r.blackMs : r.whiteMs;
        const auto& bMs = aBlack ? r.whiteMs : r.blackMs;
        msA.insert(msA.end(), aMs.begin(), aMs.end());
        msB.insert(msB.end(), bMs.begin(), bMs.end());
        if (!quiet) {
            const char* outcome = r.winner == Colour::none ? "draw"
                                  : r.winner == aColour    ? "A wins"
                                                           : "B wins";
            std::fprintf(stderr, "game %lld/%lld: A %s, %s (%s) after %d moves%s%s; score %.3f\n", game + 1,
                         2 * openings, aBlack ? "black" : "white", outcome, EndingName(r.ending), r.moves,
                         r.detail.empty() ? "" : ": ", r.detail.c_str(), all.Score());
        }
    }

    std::printf("A: %s\nB: %s\n", commands[0].c_str(), commands[1].c_str());
    std::printf("%lld games: %lld openings (seed %lld), each with both colours; %d ms a move", 2 * openings,
                openings, seed, time.turnMs);
    if (time.matchMs > 0) std::printf(", %d ms a game", time.matchMs);
    if (time.toleranceMs > 0) std::printf(", %d ms tolerance", time.toleranceMs);
    std::printf("\n\n%-12s %6s %6s %7s %6s %7s   %s\n", "A", "games", "wins", "losses", "draws", "score",
                "95 % interval");
    PrintRow("as black", asBlack);
    PrintRow("as white", asWhite);
    PrintRow("in all", all);
    std::printf("\nforfeits (time / wrong move / no answer): A %d / %d / %d, B %d / %d / %d\n",
                forfeitsA.time, forfeitsA.wrong, forfeitsA.silent, forfeitsB.time, forfeitsB.wrong,
                forfeitsB.silent);
    std::printf("\n%-12s %6s %9s %10s %8s\n", "time a move", "moves", "mean ms", "median ms", "max ms");
    PrintTimes("A", Summarise(msA));
    PrintTimes("B", Summarise(msB));
    return 0;
}
