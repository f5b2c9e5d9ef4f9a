// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text protocol of gomoku engines, one command line in, the answer lines out, so that it is
// tested line by line without pipes. main() only moves the lines.
//
// Understood: START, RECTSTART, RESTART, BEGIN, TURN, BOARD ... DONE, INFO, TAKEBACK, ABOUT, END.
// Coordinates are 0-based "x,y", x the column. Lines may end in LF or CR LF. Only the 20 x 20
// board and the freestyle rule (five or more wins, INFO rule 0) are played: any other size or
// rule bit (exactly five, continuous game, renju, ...) is answered with ERROR, as Karvelo's levels
// know no other rule.

#include "tools/pbrain/brain_game.h"

#include <string>
#include <string_view>
#include <vector>

namespace karvelo::pbrain {

class BrainSession {
public:
    BrainSession(BrainGame& game, std::string version);

    // One line from the manager; the lines to answer, each without its line end. Empty for INFO,
    // END, blank lines and the lines inside BOARD ... DONE.
    std::vector<std::string> Handle(std::string_view line);

    // END was received: the engine exits without an answer.
    bool Ended() const { return ended_; }

private:
    std::vector<std::string> Command(std::string_view word, std::string_view argument);
    std::vector<std::string> BoardLine(std::string_view line);
    std::vector<std::string> Info(std::string_view argument);
    std::vector<std::string> OwnMove();
    std::string About() const;

    BrainGame& game_;
    std::string version_;
    bool inBoard_ = false;
    bool ended_ = false;
};

}  // namespace karvelo::pbrain
