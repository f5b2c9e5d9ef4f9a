// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the match engine needs of the computer players: the field values after every move and a
// computer's choice of field. The computer levels implement it; the window wires them in at
// start-up, so the turn cycle does not depend on how a level thinks.

#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"

namespace karvelo {

struct FieldChoice {
    bool found = false;
    int x = 0;
    int y = 0;
};

class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;
    // Recomputes every field's value for the contestant on move; may mark a completed five and
    // set gameOver, as the five test does.
    virtual void EvaluateFields(MatchState& m) = 0;
    // The field of the computer on move; not found only on a full board.
    virtual FieldChoice ChooseMove(MatchState& m, RandomSource& random) = 0;
};

}  // namespace karvelo
