// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/roster_file.h"

#include <cstring>

namespace karvelo {

namespace {

void Add(Roster& r, const char* cp1250Name, PlayerType type) {
    PlayerRecord& entry = r.roster[r.rosterCount++];
    const std::size_t length = std::strlen(cp1250Name);  // at most maxNameLength, see below
    std::memcpy(entry.name, cp1250Name, length);
    entry.nameLength = std::int32_t(length);
    entry.score = initialScore;
    entry.type = type;
    r.rosterNames += entry.name;
    r.rosterNames += '\n';
}

}  // namespace

// Same content as the shipped data/data.dat (a test keeps the two equal). Names are code page
// 1250 bytes.
Roster DefaultRoster() {
    Roster r;
    Add(r, "Honza", Human);
    Add(r, "V\xECra", Human);                 // Věra
    Add(r, "Rob\xF9tek", CpuNovice);          // Robůtek
    Add(r, "Po\xE8\xEDta\xE8", CpuBeginner);  // Počítač
    Add(r, "Profesor", CpuAdvanced);
    Add(r, "\x8Aimon", CpuAdvanced);  // Šimon
    Add(r, "Mistr", CpuMaster);
    return r;
}

}  // namespace karvelo
