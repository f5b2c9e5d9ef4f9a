#pragma once
// The values of the empty fields, recomputed from zero after every move.

#include "karvelo/match/match_state.h"

namespace karvelo {

class MatchHost;

// Values every empty field with the method of the contestant on move. Until the computer levels
// bring their methods, every playable field is valued 0.
void EvaluateFields(MatchState& m, MatchHost& host);

}  // namespace karvelo
