// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of the empty fields, recomputed from zero after every move.

#include "karvelo/match/match_state.h"

namespace karvelo {

// Resets all values, then values every empty field with the one method that applies (see
// MethodFor). The two run-credit methods also run the five test and stop at a completed five,
// setting gameOver; the line walk leaves that to FindFive.
void EvaluateFields(MatchState& m);

}  // namespace karvelo
