// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/roster_file.h"

#include "karvelo/roster/atomic_file_write.h"
#include "karvelo/roster/file_reading.h"
#include "karvelo/roster/roster_format.h"

#include <utility>

namespace karvelo {

namespace {

RosterLoadReport Report(RosterLoadReport::Status status, std::string detail) {
    RosterLoadReport report;
    report.status = status;
    report.detail = std::move(detail);
    return report;
}

}  // namespace

RosterFile::RosterFile(std::filesystem::path path) : path_(std::move(path)) {}

RosterLoadReport RosterFile::LoadRoster(Roster& roster) {
    keepBackupBeforeSave_ = false;
    damagedBytes_.clear();
    FileContents contents = ReadWholeFile(path_);
    switch (contents.outcome) {
    case FileContents::Outcome::Missing:
        roster = Roster{};
        return Report(RosterLoadReport::Status::Missing, "soubor neexistuje");
    case FileContents::Outcome::Unreadable:
        roster = Roster{};
        return Report(RosterLoadReport::Status::Unreadable, std::move(contents.problem));
    case FileContents::Outcome::Read:
        break;
    }
    RosterLoadReport report = ParseRoster(contents.bytes, roster);
    if (report.status == RosterLoadReport::Status::Damaged ||
        report.status == RosterLoadReport::Status::Surplus) {
        // What the table cannot hold is still the user's data: it goes to the backup.
        keepBackupBeforeSave_ = true;
        damagedBytes_ = std::move(contents.bytes);
    }
    return report;
}

void RosterFile::SaveRoster(Roster& roster) {
    const auto failure = [this](const std::string& reason) {
        std::error_code ignored;
        const std::string outcome =
            std::filesystem::exists(path_, ignored) ? "“ zůstal beze změny." : "“ nebyl vytvořen.";
        return RosterSaveError("Seznam hráčů se nepodařilo uložit: " + reason + ".\nSoubor „" +
                                   path_.string() + outcome,
                               reason);
    };
    // Refused before anything is written: a line the reader cannot take back would lose this
    // entry, and with a leading "#" every later one too.
    if (const std::string problem = ReadBackProblem(roster); !problem.empty()) throw failure(problem);
    const std::string bytes = RosterBytes(roster);
    try {
        if (keepBackupBeforeSave_) {
            std::filesystem::path backup = path_;
            backup += ".bak";
            ReplaceFileAtomically(backup, damagedBytes_);
        }
        ReplaceFileAtomically(path_, bytes);
    } catch (const FileWriteError& error) {
        throw failure(error.what());
    }
    keepBackupBeforeSave_ = false;
    damagedBytes_ = std::string();
    ClampStoredScores(roster);  // only now: a failed save leaves the table exactly as it was
}

namespace {

// Read into a copy: if the file went wrong in between, the table the user sees stays.
std::string ReadBackAfterSave(Roster& roster, RosterFile& file) {
    Roster readBack;
    const RosterLoadReport report = file.LoadRoster(readBack);
    if (report.status != RosterLoadReport::Status::Ok)
        return "Seznam hráčů byl uložen, ale znovu ho načíst nešlo (" + report.detail + ").";
    roster = std::move(readBack);
    return {};
}

}  // namespace

std::string StoreRoster(Roster& roster, RosterFile& file) {
    try {
        file.SaveRoster(roster);
    } catch (const RosterSaveError& error) {
        return error.what();
    }
    return ReadBackAfterSave(roster, file);
}

std::string StoreDefaultRoster(Roster& roster, RosterFile& file) {
    roster = DefaultRoster();
    try {
        file.SaveRoster(roster);
    } catch (const RosterSaveError& error) {
        return "Soubor se seznamem hráčů „" + file.path().string() +
               "“ nebyl nalezen. Program používá výchozí seznam hráčů, ale uložit ho nešlo: " +
               error.reason() + ".";
    }
    return ReadBackAfterSave(roster, file);
}

}  // namespace karvelo
