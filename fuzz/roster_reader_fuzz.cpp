// SPDX-License-Identifier: GPL-3.0-or-later
// data.dat as a user's disk may leave it: whatever the bytes, the reader stays inside them, loads
// at most ten entries, and what it loaded survives a save and a second load unchanged.

#include "fuzz_check.h"
#include "karvelo/roster/roster_format.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

using namespace karvelo;
using Status = RosterLoadReport::Status;

namespace {

bool SameEntry(const PlayerRecord& a, const PlayerRecord& b) {
    return std::memcmp(a.name, b.name, sizeof a.name) == 0 && a.nameLength == b.nameLength &&
           a.score == b.score && a.type == b.type;
}

bool SameTable(const Roster& a, const Roster& b) {
    if (a.rosterCount != b.rosterCount || a.rosterNames != b.rosterNames) return false;
    for (int i = 0; i < maxRosterEntries; ++i)
        if (!SameEntry(a.roster[i], b.roster[i])) return false;
    return true;
}

void CheckTable(const Roster& r) {
    FUZZ_CHECK(r.rosterCount >= 0 && r.rosterCount <= maxRosterEntries);
    std::string names;
    for (int i = 0; i < maxRosterEntries; ++i) {
        const PlayerRecord& e = r.roster[i];
        if (i >= r.rosterCount) {
            FUZZ_CHECK(SameEntry(e, PlayerRecord{}));  // free entries are cleared
            continue;
        }
        FUZZ_CHECK(e.nameLength >= 0 && e.nameLength <= maxNameLength);
        FUZZ_CHECK(strnlen(e.name, sizeof e.name) == std::size_t(e.nameLength));
        FUZZ_CHECK(e.type >= 0 && e.type <= 9);
        names.append(e.name, std::size_t(e.nameLength));
        names += '\n';
    }
    FUZZ_CHECK(r.rosterNames == names);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Roster loaded;
    const RosterLoadReport report = ParseRoster(bytes, loaded);
    CheckTable(loaded);
    FUZZ_CHECK((report.status == Status::Ok) == report.detail.empty());
    FUZZ_CHECK((report.status == Status::Surplus) == (report.leftOut > 0));
    if (report.status == Status::Surplus) FUZZ_CHECK(loaded.rosterCount == maxRosterEntries);

    // Whatever loaded can be stored: the save never refuses a table the reader produced.
    FUZZ_CHECK(ReadBackProblem(loaded).empty());
    Roster saved = loaded;
    const std::string first = RosterBytes(saved);
    FUZZ_CHECK(first.size() <= std::size_t(maxRosterEntries) * 17 + 1);

    Roster reloaded;
    FUZZ_CHECK(ParseRoster(first, reloaded).status == Status::Ok);
    CheckTable(reloaded);
    FUZZ_CHECK(reloaded.rosterCount == loaded.rosterCount);
    for (int i = 0; i < loaded.rosterCount; ++i) {
        PlayerRecord expected = loaded.roster[i];
        expected.score = std::clamp(expected.score, 0, 999);  // the only change a save makes
        FUZZ_CHECK(SameEntry(reloaded.roster[i], expected));
    }

    // From then on the file and the table stay as they are.
    Roster again = reloaded;
    FUZZ_CHECK(RosterBytes(again) == first);
    Roster third;
    FUZZ_CHECK(ParseRoster(first, third).status == Status::Ok);
    FUZZ_CHECK(SameTable(third, reloaded));
    return 0;
}
