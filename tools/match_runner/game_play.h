// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game between two engine commands, each a fresh process: the opening is given to each
// engine as a BOARD when it first moves, every later move as TURN; a move that is not a legal
// "x,y" within the limit loses.

#include "tools/match_runner/match_board.h"

#include <string>
#include <vector>

namespace match_runner {

struct TimeControl {
    int turnMs = 1000;        // the limit of one move
    int matchMs = 0;          // the limit of all an engine's moves in a game; 0: none
    int toleranceMs = 0;      // added to both before a move is forfeited
    int startMs = 5000;       // for answering START
    long long maxMemory = 0;  // sent as INFO max_memory; 0: no limit
};

struct Contestant {
    std::string command;
    bool toldTime = true;  // gets the INFO time limits (an engine not told plays its own pace)
};

enum class Ending { five, fullBoard, wrongMove, timeout, noAnswer };

struct GameResult {
    Colour winner = Colour::none;  // none: a draw
    Ending ending = Ending::fullBoard;
    int moves = 0;  // played by the engines, after the opening
    std::vector<double> blackMs, whiteMs;
    std::string detail;  // for a forfeit: the answer or what was missing
};

GameResult PlayGame(const Contestant& black, const Contestant& white, const Opening& opening,
                    const TimeControl& time);

const char* EndingName(Ending e);

}  // namespace match_runner
