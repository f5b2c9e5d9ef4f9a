// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/evaluation_method.h"

#include "karvelo/roster/player_type.h"

namespace karvelo {

EvaluationMethod MethodFor(std::int32_t typeOnMove, std::int32_t contestantType2) {
    const std::int32_t deciding = typeOnMove == Human ? contestantType2 : typeOnMove;
    switch (deciding) {
    case CpuNovice:
        return EvaluationMethod::runCredits;
    case CpuBeginner:
        return EvaluationMethod::lineWalk;
    case CpuMaster:
        return EvaluationMethod::masterScores;
    default:
        return EvaluationMethod::runCreditsWithGaps;
    }
}

}  // namespace karvelo
