// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One roster entry and the roster table. Names are code page 1250 bytes, one byte a character.

#include "karvelo/roster/player_type.h"

#include <array>
#include <cstdint>
#include <string>

namespace karvelo {

constexpr int maxRosterEntries = 10;
constexpr int maxNameLength = 8;
constexpr int initialScore = 500;

struct PlayerRecord {
    char name[10] = {};  // NUL-terminated code page 1250 bytes
    std::int32_t nameLength = 0;
    std::int32_t score = 0;
    std::int32_t type = 0;
};

struct Roster {
    std::array<PlayerRecord, maxRosterEntries> roster{};
    int rosterCount = 0;
    std::string rosterNames;  // every used name followed by '\n', code page 1250
};

// The entries in use: rosterCount, kept within the table even if it was set wrongly.
int UsedEntries(const Roster& roster);

// UTF-8 texts for a type code; nullptr outside 0..4 (the caller then keeps what it showed).
const char* ShortTypeText(std::int32_t type);  // "HUM", "CPUnov", "CPUzač", "CPUpok", "CPUmis"
const char* LongTypeText(std::int32_t type);  // "HUM", "CPU nováček", "CPU začátečník", "CPU pokročilý",
                                              // "CPU mistr"

}  // namespace karvelo
