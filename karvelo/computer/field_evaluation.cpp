#include "karvelo/computer/field_evaluation.h"

namespace karvelo {

void EvaluateFields(MatchState& m, MatchHost& /*host*/) { ResetFieldValues(m); }

}  // namespace karvelo
