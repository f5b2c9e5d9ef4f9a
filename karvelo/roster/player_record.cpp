// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/player_record.h"

#include <algorithm>

namespace karvelo {

int UsedEntries(const Roster& roster) { return std::clamp(roster.rosterCount, 0, maxRosterEntries); }

const char* ShortTypeText(std::int32_t type) {
    switch (type) {
    case Human:
        return "HUM";
    case CpuNovice:
        return "CPUnov";
    case CpuBeginner:
        return "CPUzač";
    case CpuAdvanced:
        return "CPUpok";
    case CpuMaster:
        return "CPUmis";
    default:
        return nullptr;
    }
}

const char* LongTypeText(std::int32_t type) {
    switch (type) {
    case Human:
        return "HUM";
    case CpuNovice:
        return "CPU nováček";
    case CpuBeginner:
        return "CPU začátečník";
    case CpuAdvanced:
        return "CPU pokročilý";
    case CpuMaster:
        return "CPU mistr";
    default:
        return nullptr;
    }
}

}  // namespace karvelo
