// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions already searched, by Zobrist hash. Owned by one search and cleared with it, so a
// move depends on the board alone.

#include <cstdint>
#include <vector>

namespace karvelo::master {

enum class Bound : std::uint8_t { None, Exact, Lower, Upper };

struct TableEntry {
    std::uint64_t hash = 0;
    std::int32_t score = 0;
    std::int16_t move = -1;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
};

class TranspositionTable {
public:
    // 2^bits entries of 16 bytes.
    explicit TranspositionTable(int bits)
        : entries_(std::size_t(1) << bits), mask_((std::uint64_t(1) << bits) - 1) {}

    const TableEntry* Find(std::uint64_t hash) const {
        const TableEntry& e = entries_[hash & mask_];
        return e.bound != Bound::None && e.hash == hash ? &e : nullptr;
    }

    // Replaces what is there unless that came from a deeper search of another position.
    void Store(std::uint64_t hash, int depth, int score, Bound bound, int move) {
        TableEntry& e = entries_[hash & mask_];
        if (e.bound != Bound::None && e.hash != hash && e.depth > depth) return;
        e = {hash, score, std::int16_t(move), std::int8_t(depth), bound};
    }

private:
    std::vector<TableEntry> entries_;
    std::uint64_t mask_;
};

}  // namespace karvelo::master
