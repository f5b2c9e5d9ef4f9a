// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four computer levels as the match engine asks for them.

#include "karvelo/match/computer_player.h"

namespace karvelo {

class ComputerLevels final : public ComputerPlayer {
public:
    void EvaluateFields(MatchState& m) override;
    FieldChoice ChooseMove(MatchState& m, RandomSource& random) override;
};

}  // namespace karvelo
