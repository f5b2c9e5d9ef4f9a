// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's choice of field.

#include "karvelo/match/computer_player.h"
#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"

namespace karvelo {

// The computer on move's field: its level's valuation (EvaluateFields) and one of the fields of
// highest value (ChooseComputerField), or for CPU mistr one of the fields its search found equally
// good. Draws one random number; not found only on a full board.
FieldChoice ChooseComputerMove(MatchState& m, RandomSource& random);

// Of the values on the board, one of the highest at random. Draws one random number. With no
// positive value anywhere the centre field is taken when empty,
// otherwise a random empty field; not found only on a full board.
FieldChoice ChooseComputerField(MatchState& m, RandomSource& random);

}  // namespace karvelo
