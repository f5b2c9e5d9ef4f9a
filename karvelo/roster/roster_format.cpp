// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/roster_format.h"

#include <algorithm>
#include <cstring>

namespace karvelo {

namespace {

constexpr char endMarker = '#';
constexpr std::size_t nameColumns = 9;
constexpr std::size_t scoreColumns = 3;
constexpr int maxStoredScore = 999;

bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The score column converts like atoi: leading white space, an optional sign, then digits up to
// the first other character; no digits give 0. The score is deliberately not validated, so "5a3"
// loads as 5 and "abc" as 0; only the column's place in the line is checked.
std::int32_t ScoreValue(std::string_view column) {
    std::size_t i = 0;
    while (i < column.size() &&
           (column[i] == ' ' || column[i] == '\t' || column[i] == '\v' || column[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < column.size() && (column[i] == '+' || column[i] == '-')) negative = column[i++] == '-';
    std::int32_t value = 0;
    for (; i < column.size() && IsDigit(column[i]); ++i) value = value * 10 + (column[i] - '0');
    return negative ? -value : value;
}

std::string LineText(int lineIndex) { return std::to_string(lineIndex + 1); }

// Reads one entry line starting at `pos`. A well-formed line is what the writer produces and the
// fixed-column reader reads unambiguously:
//   nine name columns without a line end or NUL, holding at least one space (the name ends at the
//   first one and the rest of the nine columns is ignored);
//   any run of spaces (the longer run after a rename included);
//   three score columns without a line end (converted like atoi, see ScoreValue);
//   "x"; one decimal digit, its value the type (a digit outside 0..4 loads as that code);
//   CR LF.
// Anything else is damage: the reader would otherwise take bytes of the next line for this one.
struct LineReading {
    PlayerRecord entry;
    std::size_t next = 0;
    std::string damage;  // empty for a well-formed line
};

LineReading ReadLine(std::string_view bytes, std::size_t pos, int lineIndex) {
    LineReading r;
    const std::string line = LineText(lineIndex);
    const auto truncated = [&] {
        r.damage = "soubor končí uprostřed řádku " + line;
        return r;
    };
    const auto tooShort = [&] {
        r.damage = "řádek " + line + " je příliš krátký";
        return r;
    };

    std::size_t n = 0;  // name columns read, stopping early at a line end as the reader does
    while (n < nameColumns && pos + n < bytes.size() && !IsLineEndByte(bytes[pos + n])) ++n;
    if (n < nameColumns) return pos + n >= bytes.size() ? truncated() : tooShort();
    const std::string_view nameColumnsText = bytes.substr(pos, nameColumns);
    if (nameColumnsText.find('\0') != std::string_view::npos) {
        r.damage = "jméno na řádku " + line + " obsahuje neplatný znak";
        return r;
    }
    const std::size_t firstSpace = nameColumnsText.find(' ');
    if (firstSpace == std::string_view::npos) {
        r.damage = "jméno na řádku " + line + " je delší než 8 znaků";
        return r;
    }
    std::memcpy(r.entry.name, nameColumnsText.data(), firstSpace);
    r.entry.nameLength = std::int32_t(firstSpace);
    pos += nameColumns;

    while (pos < bytes.size() && bytes[pos] == ' ') ++pos;
    if (pos + scoreColumns > bytes.size()) return truncated();
    const std::string_view score = bytes.substr(pos, scoreColumns);
    if (std::any_of(score.begin(), score.end(), IsLineEndByte)) return tooShort();
    r.entry.score = ScoreValue(score);
    pos += scoreColumns;

    if (pos >= bytes.size()) return truncated();
    if (bytes[pos] != 'x') {
        r.damage = "na řádku " + line + " chybí za skóre znak „x“";
        return r;
    }
    ++pos;

    if (pos >= bytes.size()) return truncated();
    if (!IsDigit(bytes[pos])) {
        r.damage = "typ hráče na řádku " + line + " není číslice";
        return r;
    }
    r.entry.type = bytes[pos] - '0';
    ++pos;

    if (pos >= bytes.size() || (bytes[pos] == '\r' && pos + 1 >= bytes.size())) return truncated();
    if (bytes[pos] != '\r' || bytes[pos + 1] != '\n') {
        r.damage = "řádek " + line + " nekončí znaky CR LF";
        return r;
    }
    r.next = pos + 2;
    return r;
}

void AppendLine(std::string& out, const PlayerRecord& entry) {
    const std::size_t nameBytes = strnlen(entry.name, sizeof entry.name);
    out.append(entry.name, nameBytes);
    // The pad follows the recorded length, not the bytes: after a rename the name already carries
    // its own trailing spaces and the line gets the longer run the reader skips.
    out.append(nameColumns - std::size_t(std::clamp<std::int32_t>(entry.nameLength, 0, nameColumns)), ' ');
    out += ' ';
    const int score = std::clamp(entry.score, 0, maxStoredScore);
    out += char('0' + score / 100);
    out += char('0' + score / 10 % 10);
    out += char('0' + score % 10);
    out += 'x';
    out += char('0' + entry.type);
    out += "\r\n";
}

// Well-formed entry lines from pos on, up to "#", the end or the first damaged line.
int CountEntryLines(std::string_view bytes, std::size_t pos, int firstLineIndex) {
    int count = 0;
    while (pos < bytes.size() && bytes[pos] != endMarker) {
        const LineReading line = ReadLine(bytes, pos, firstLineIndex + count);
        if (!line.damage.empty()) break;
        ++count;
        pos = line.next;
    }
    return count;
}

std::string LeftOutText(int count) {
    const std::string n = std::to_string(count);
    if (count == 1) return "1 další hráč byl vynechán";
    if (count >= 2 && count <= 4) return n + " další hráči byli vynecháni";
    return n + " dalších hráčů bylo vynecháno";
}

}  // namespace

RosterLoadReport ParseRoster(std::string_view bytes, Roster& roster) {
    roster = Roster{};
    RosterLoadReport report;
    std::size_t pos = 0;
    for (int i = 0; i < maxRosterEntries; ++i) {
        if (pos >= bytes.size()) {
            report.status = RosterLoadReport::Status::Damaged;
            report.detail = bytes.empty() ? "soubor je prázdný" : "soubor nekončí značkou „#“";
            break;
        }
        if (bytes[pos] == endMarker) break;
        LineReading line = ReadLine(bytes, pos, i);
        if (!line.damage.empty()) {
            report.status = RosterLoadReport::Status::Damaged;
            report.detail = std::move(line.damage);
            break;
        }
        roster.roster[i] = line.entry;
        roster.rosterNames.append(line.entry.name, line.entry.nameLength);
        roster.rosterNames += '\n';
        roster.rosterCount = i + 1;
        pos = line.next;
    }
    // Entries past the tenth do not fit the table, but they are the user's: the caller keeps the
    // file before it is overwritten. Bytes that do not read as entries are ignored, as after "#".
    if (report.status == RosterLoadReport::Status::Ok && roster.rosterCount == maxRosterEntries) {
        if (const int leftOut = CountEntryLines(bytes, pos, maxRosterEntries); leftOut > 0) {
            report.status = RosterLoadReport::Status::Surplus;
            report.leftOut = leftOut;
            report.detail = LeftOutText(leftOut);
        }
    }
    return report;
}

std::string RosterBytes(const Roster& roster) {
    std::string out;
    for (int i = 0; i < UsedEntries(roster); ++i) AppendLine(out, roster.roster[i]);
    out += endMarker;
    return out;
}

void ClampStoredScores(Roster& roster) {
    for (int i = 0; i < UsedEntries(roster); ++i)
        roster.roster[i].score = std::min(roster.roster[i].score, maxStoredScore);
}

std::string ReadBackProblem(const Roster& roster) {
    if (roster.rosterCount < 0 || roster.rosterCount > maxRosterEntries)
        return "počet hráčů " + std::to_string(roster.rosterCount) + " je mimo rozsah 0 až 10";
    for (int i = 0; i < roster.rosterCount; ++i) {
        const PlayerRecord& entry = roster.roster[i];
        const std::string player = "hráč č. " + std::to_string(i + 1);
        if (strnlen(entry.name, sizeof entry.name) == sizeof entry.name)
            return player + " má jméno bez ukončení";
        if (entry.type < 0 || entry.type > 9)
            return player + " má neplatný typ " + std::to_string(entry.type);
    }
    Roster readBack;
    const RosterLoadReport report = ParseRoster(RosterBytes(roster), readBack);
    if (report.status != RosterLoadReport::Status::Ok)
        return "zapsaný soubor by nešel přečíst (" + report.detail + ")";
    if (readBack.rosterCount < roster.rosterCount)
        return "jméno hráče č. " + std::to_string(readBack.rosterCount + 1) +
               " začíná znakem „#“, kterým seznam končí";
    return {};
}

}  // namespace karvelo
