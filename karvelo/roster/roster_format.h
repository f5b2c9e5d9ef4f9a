// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The byte layout of data.dat, apart from any file access.

#include "karvelo/roster/roster_file.h"

#include <string>
#include <string_view>

namespace karvelo {

// Reads the roster from the file's bytes. Stops at "#" or after ten entries; at the first line
// that is not well formed it keeps the entries before it and reports the file as damaged. Entry
// lines after the tenth are counted and reported as surplus. Entries past the count are cleared.
RosterLoadReport ParseRoster(std::string_view bytes, Roster& roster);

// The file's bytes for the used entries, as they stand (a score above 999 is written as 999,
// one below 0 as 000, without touching the table).
std::string RosterBytes(const Roster& roster);

// Makes the table hold what RosterBytes writes for scores above 999.
void ClampStoredScores(Roster& roster);

// Empty when ParseRoster reads every used entry back from RosterBytes(roster); otherwise a UTF-8
// reason naming the first entry that the file could not carry.
std::string ReadBackProblem(const Roster& roster);

}  // namespace karvelo
