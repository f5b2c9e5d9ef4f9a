#pragma once
// The computer's choice of field: one of the fields of highest value, at random.

#include "karvelo/match/match_state.h"
#include "karvelo/match/random_source.h"

namespace karvelo {

struct FieldChoice {
    bool found = false;
    int x = 0;
    int y = 0;
};

// Draws one random number. With no positive value anywhere the centre field is taken when empty,
// otherwise a random empty field; not found only on a full board.
FieldChoice ChooseComputerField(MatchState& m, RandomSource& random);

}  // namespace karvelo
