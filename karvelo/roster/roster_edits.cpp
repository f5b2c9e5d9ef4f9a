// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/roster_edits.h"

#include "karvelo/roster/codepage1250.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace karvelo {

namespace {

constexpr std::size_t storedNameColumns = 9;  // a renamed name is padded to this

bool IsUsed(const Roster& roster, int index) { return index >= 0 && index < UsedEntries(roster); }

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// The bytes of the character that starts at `pos`; a broken sequence counts as one character.
std::size_t CharacterBytes(std::string_view utf8, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < utf8.size() && IsContinuationByte(static_cast<unsigned char>(utf8[end]))) ++end;
    return end - pos;
}

// C0 controls, DEL and the C1 controls (U+0080..U+009F, "\xC2\x80".."\xC2\x9F" in UTF-8).
bool IsControlCharacter(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (first < 0x20 || first == 0x7F) return true;
    return first == 0xC2 && character.size() == 2 && static_cast<unsigned char>(character[1]) <= 0x9F;
}

// A complete UTF-8 sequence, which can be shown back to the user in the warning.
bool IsWholeCharacter(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    std::size_t expected = 0;  // stray continuation bytes, overlong leads, leads past U+10FFFF
    if (first < 0x80)
        expected = 1;
    else if (first >= 0xC2 && first < 0xE0)
        expected = 2;
    else if (first >= 0xE0 && first < 0xF0)
        expected = 3;
    else if (first >= 0xF0 && first < 0xF5)
        expected = 4;
    return expected == character.size();
}

std::string UnstorableCharacterText(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::string_view character = utf8.substr(pos, CharacterBytes(utf8, pos));
        if (!Utf8ToCp1250(character)) {
            if (IsWholeCharacter(character))
                return "Jméno obsahuje znak „" + std::string(character) + "“, který nelze uložit!";
            break;
        }
        pos += character.size();
    }
    return "Jméno obsahuje znak, který nelze uložit!";
}

bool HasInnerSpace(std::string_view bytes) {
    const std::size_t last = bytes.find_last_not_of(' ');
    return last != std::string_view::npos && bytes.substr(0, last).find(' ') != std::string_view::npos;
}

// Swapping only neighbours that are strictly out of order keeps equal entries in their order.
template <class OutOfOrder> void BubbleSort(Roster& roster, OutOfOrder outOfOrder) {
    for (int bound = UsedEntries(roster) - 2; bound >= 0; --bound)
        for (int j = 0; j <= bound; ++j)
            if (outOfOrder(roster.roster[j], roster.roster[j + 1]))
                std::swap(roster.roster[j], roster.roster[j + 1]);
}

RosterEdit Refused(std::string reason) { return {false, std::move(reason)}; }
RosterEdit Changed() { return {true, {}}; }

}  // namespace

int NameCharacters(std::string_view utf8) {
    return int(std::count_if(utf8.begin(), utf8.end(),
                             [](char c) { return !IsContinuationByte(static_cast<unsigned char>(c)); }));
}

StorableName CheckStorableName(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::string_view character = utf8.substr(pos, CharacterBytes(utf8, pos));
        if (IsControlCharacter(character)) return {{}, "Jméno nesmí obsahovat řídicí znaky!"};
        pos += character.size();
    }
    std::optional<std::string> bytes = Utf8ToCp1250(utf8);
    if (!bytes) return {{}, UnstorableCharacterText(utf8)};
    if (!bytes->empty() && bytes->front() == '#') return {{}, "Jméno nesmí začínat znakem „#“!"};
    if (HasInnerSpace(*bytes)) return {{}, "Jméno nesmí obsahovat mezeru!"};
    return {std::move(*bytes), {}};
}

RosterEdit CreatePlayer(Roster& roster, int type, std::string_view utf8Name) {
    if (type < Human || type > CpuMaster) return Refused("Musíte zvolit typ hráče!");
    if (roster.rosterCount >= maxRosterEntries) return Refused("Nelze vytvořit více jak 10 hráčů!");
    if (NameCharacters(utf8Name) > maxNameLength)
        return Refused("Jméno je příliš dlouhé\nMaximálně 8 znaků!");
    StorableName name = CheckStorableName(utf8Name);
    if (!name.refusal.empty()) return Refused(std::move(name.refusal));

    PlayerRecord& entry = roster.roster[UsedEntries(roster)];
    entry = PlayerRecord{};
    std::memcpy(entry.name, name.bytes.data(), name.bytes.size());
    entry.nameLength = std::int32_t(name.bytes.size());
    entry.score = initialScore;
    entry.type = type;
    roster.rosterCount = UsedEntries(roster) + 1;
    return Changed();
}

RosterEdit RenamePlayer(Roster& roster, int index, std::string_view utf8Name) {
    if (!IsUsed(roster, index)) return {};
    if (NameCharacters(utf8Name) > maxNameLength) return Refused("Jméno nesmí mít více jak 8 znaků");
    StorableName name = CheckStorableName(utf8Name);
    if (!name.refusal.empty()) return Refused(std::move(name.refusal));

    PlayerRecord& entry = roster.roster[index];
    std::memset(entry.name, ' ', storedNameColumns);
    std::memcpy(entry.name, name.bytes.data(), name.bytes.size());
    entry.name[storedNameColumns] = '\0';
    return Changed();  // nameLength stays: see above
}

bool DeletePlayer(Roster& roster, int index) {
    if (!IsUsed(roster, index)) return false;
    const int count = UsedEntries(roster);
    for (int i = index; i + 1 < count; ++i) roster.roster[i] = roster.roster[i + 1];
    roster.rosterCount = count - 1;
    roster.roster[count - 1] = PlayerRecord{};
    return true;
}

bool MovePlayerUp(Roster& roster, int index) {
    if (!IsUsed(roster, index) || index == 0) return false;
    std::swap(roster.roster[index], roster.roster[index - 1]);
    return true;
}

bool MovePlayerDown(Roster& roster, int index) {
    if (!IsUsed(roster, index) || index >= UsedEntries(roster) - 1) return false;
    std::swap(roster.roster[index], roster.roster[index + 1]);
    return true;
}

void SortPlayersByScore(Roster& roster) {
    BubbleSort(roster, [](const PlayerRecord& a, const PlayerRecord& b) { return a.score < b.score; });
}

void SortPlayersByType(Roster& roster) {
    BubbleSort(roster, [](const PlayerRecord& a, const PlayerRecord& b) { return a.type > b.type; });
}

}  // namespace karvelo
