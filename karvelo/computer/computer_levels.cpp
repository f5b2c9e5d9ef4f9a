// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/computer_levels.h"

#include "karvelo/computer/computer_move.h"
#include "karvelo/computer/field_evaluation.h"

namespace karvelo {

void ComputerLevels::EvaluateFields(MatchState& m) { karvelo::EvaluateFields(m); }

FieldChoice ComputerLevels::ChooseMove(MatchState& m, RandomSource& random) {
    return ChooseComputerMove(m, random);
}

}  // namespace karvelo
