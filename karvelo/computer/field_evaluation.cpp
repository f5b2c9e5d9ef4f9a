// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/field_evaluation.h"

#include "karvelo/computer/evaluation_method.h"
#include "karvelo/computer/line_walk.h"
#include "karvelo/computer/master_search.h"
#include "karvelo/computer/run_credits.h"
#include "karvelo/computer/run_credits_with_gaps.h"

namespace karvelo {

void EvaluateFields(MatchState& m) {
    ResetFieldValues(m);
    switch (MethodFor(m.TypeOnMove(), m.contestantType2)) {
    case EvaluationMethod::runCredits:
        EvaluateByRunCredits(m);
        break;
    case EvaluationMethod::lineWalk:
        EvaluateByLineWalk(m.board);
        break;
    case EvaluationMethod::runCreditsWithGaps:
        EvaluateByRunCreditsWithGaps(m);
        break;
    case EvaluationMethod::masterScores:
        ScoreFieldsForMaster(m.board, m.playerOnMove);
        break;
    }
}

}  // namespace karvelo
