// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player editor's changes to the roster table, apart from any window. Names arrive as the user
// typed them (UTF-8) and are stored as code page 1250 bytes, one byte a character. Every change
// here is only the first step: the caller then stores the table (StoreRoster) and shows it again.

#include "karvelo/roster/player_record.h"

#include <string>
#include <string_view>

namespace karvelo {

// What an edit did. A refusal carries the warning (UTF-8) for a "Pozor!" box and leaves the table
// exactly as it was.
struct RosterEdit {
    bool changed = false;
    std::string refusal;
};

// The new player becomes the last entry, with 500 points. `type` is the chosen position in the type
// list, -1 when none is chosen. Checked in this order: a type is chosen, there is room for one more,
// the name has at most 8 characters, data.dat can carry the name.
RosterEdit CreatePlayer(Roster& roster, int type, std::string_view utf8Name);

// Renames a used entry (any other index changes nothing). The name is padded with spaces to nine
// characters and the entry keeps its old nameLength, so the line written next has the longer run
// of spaces that the reader trims again.
RosterEdit RenamePlayer(Roster& roster, int index, std::string_view utf8Name);

// Each returns false and changes nothing for an index outside the used entries, or for a move past
// the first or the last entry. Records move whole: name, name length, score and type.
bool DeletePlayer(Roster& roster, int index);
bool MovePlayerUp(Roster& roster, int index);
bool MovePlayerDown(Roster& roster, int index);

// Bubble sorts over the used entries that keep equal entries in their previous order: by
// descending score, and by ascending type code (humans first).
void SortPlayersByScore(Roster& roster);
void SortPlayersByType(Roster& roster);

// The number of characters of a UTF-8 text, which is its length in bytes once stored.
int NameCharacters(std::string_view utf8);

// A name as data.dat stores it, or (refusal not empty) why the file cannot carry it: a control
// character, a character outside code page 1250, a leading "#" (the end marker) or a space that is
// followed by more of the name (the reader ends the name at its first space). Trailing spaces and
// names of spaces only are fine: the reader drops them.
struct StorableName {
    std::string bytes;
    std::string refusal;
};
StorableName CheckStorableName(std::string_view utf8);

}  // namespace karvelo
