// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One move of CPU mistr: the shortcuts (a win in one, a five to block, an unstoppable four), its
// own chain of fours, the defence against the other's, and the alpha-beta search over what is left.

#include "karvelo/computer/master_search.h"

#include <cstdint>
#include <vector>

namespace karvelo::master {

// As SearchMasterMove.
std::vector<BoardPoint> SearchMove(const Board& board, int me, std::int64_t nodeBudget,
                                   MasterSearchEffort* effort = nullptr);

}  // namespace karvelo::master
