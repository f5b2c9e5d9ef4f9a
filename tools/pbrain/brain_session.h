// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text protocol of gomoku engines, one command line in, the answer lines out, so that it is
// tested line by line without pipes. main() only moves the lines.
//
// Understood: START, RECTSTART, RESTART, BEGIN, TURN, BOARD ... DONE, INFO, TAKEBACK, ABOUT, END.
// Coordinates are 0-based "x,y", x the column. Lines may end in LF or CR LF. Only the 20 x 20
// board and the freestyle rule (five or more wins, INFO rule 0) are played: any other size or
// rule bit (exactly five, continuous game, renju, ...) is answered with ERROR, as Karvelo's levels
// know no other rule. Every answer is a single line whatever the input: a manager reads one line
// per command and would wait for ever on a missing one or get out of step on an extra one.

#include "tools/pbrain/brain_game.h"
#include "tools/pbrain/time_limits.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvelo::pbrain {

// Milliseconds from any fixed point; only differences are used.
using ClockMs = std::function<double()>;
double SteadyClockMs();

// Runs a search that may take at most the given milliseconds; nothing when it did not finish in
// time (SearchWithin).
using GuardedSearch = std::function<std::optional<OwnSearch>(const std::function<OwnSearch()>&, double)>;

class BrainSession {
public:
    // The clock times CPU mistr's searches under a manager's time limits; the game's levels never
    // see it. Every search after a move's first runs through `guard`; without one they run here,
    // unguarded.
    BrainSession(BrainGame& game, std::string version, ClockMs clock = SteadyClockMs,
                 GuardedSearch guard = {});

    // One line from the manager; the lines to answer, each without its line end. Empty for INFO,
    // END, blank lines and the lines inside BOARD ... DONE. A command inside BOARD ... DONE ends
    // the block with an ERROR line and is then answered as usual.
    std::vector<std::string> Handle(std::string_view line);

    // END was received: the engine exits without an answer.
    bool Ended() const { return ended_; }

    const TimeLimits& limits() const { return limits_; }
    // The node budget of the search that chose the last own move of CPU mistr.
    std::int64_t lastNodeBudget() const { return lastNodeBudget_; }

private:
    std::vector<std::string> Command(std::string_view word, std::string_view argument);
    std::vector<std::string> BoardLine(std::string_view line);
    std::vector<std::string> Info(std::string_view argument);
    std::vector<std::string> OwnMove();
    FieldChoice TimedMove(double thinkingMs);
    std::string About() const;

    BrainGame& game_;
    std::string version_;
    ClockMs clock_;
    GuardedSearch guard_;
    TimeLimits limits_;
    double nodesPerMs_ = 0;  // the search's speed on the last timed move
    std::int64_t lastNodeBudget_ = 0;
    bool inBoard_ = false;
    bool ended_ = false;
};

}  // namespace karvelo::pbrain
