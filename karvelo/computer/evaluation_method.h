// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the three methods values the board.

#include <cstdint>

namespace karvelo {

enum class EvaluationMethod { runCredits, lineWalk, runCreditsWithGaps, masterScores };

// A computer on move uses its own level's method; while a human is on move contestant 2's type
// decides, so a human playing a computer sees that computer's view. Two humans, and any type code
// outside the known levels (a damaged roster), get run credits with gaps.
EvaluationMethod MethodFor(std::int32_t typeOnMove, std::int32_t contestantType2);

}  // namespace karvelo
