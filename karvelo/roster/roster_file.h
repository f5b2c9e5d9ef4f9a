// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// data.dat: reading and writing the roster in its fixed-column text format.

#include "karvelo/roster/player_record.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace karvelo {

struct RosterLoadReport {
    enum class Status {
        Ok,          // read completely up to its "#"
        Missing,     // no such file; the roster is left empty
        Unreadable,  // exists but cannot be read; the roster is left empty
        Damaged,     // the well-formed entries before the damage were loaded
        Surplus,     // ten entries were loaded; leftOut more entries followed them
    };
    Status status = Status::Ok;
    std::string detail;  // UTF-8, for the user: what was wrong
    int leftOut = 0;     // entries after the tenth, counted up to "#" or the first damaged line
};

// Thrown by SaveRoster; what() is a UTF-8 message for the user, reason() the bare cause. data.dat
// is then unchanged, and so is the table.
class RosterSaveError : public std::runtime_error {
public:
    RosterSaveError(const std::string& message, std::string reason)
        : std::runtime_error(message), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

class RosterFile {
public:
    explicit RosterFile(std::filesystem::path path);

    // Replaces roster, rosterCount and rosterNames with what the file holds (read access only).
    RosterLoadReport LoadRoster(Roster& roster);

    // Writes the used entries; scores above 999 become 999 in the table too. Atomic: a temporary
    // file beside data.dat is written, flushed and renamed over it. The first save over a file
    // found damaged or holding more than ten entries first keeps its original bytes as
    // "<name>.bak".
    void SaveRoster(Roster& roster);

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    bool keepBackupBeforeSave_ = false;
    std::string damagedBytes_;
};

// The roster shipped with the program, used when data.dat is missing at start-up.
Roster DefaultRoster();

// Every roster change ends here: save, then read back so the table equals the file. On a failed
// save the table is kept as it is and the reason (UTF-8) is returned; empty on success.
std::string StoreRoster(Roster& roster, RosterFile& file);

// Start-up without data.dat: the table becomes the default roster and is stored as the new file.
// Empty on success; otherwise the message (UTF-8) that the default is in use but not stored, why.
std::string StoreDefaultRoster(Roster& roster, RosterFile& file);

}  // namespace karvelo
