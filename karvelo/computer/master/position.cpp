// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/position.h"

#include "karvelo/computer/master/zobrist_keys.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace karvelo::master {

const std::array<std::uint32_t, lineKeyCount>& PackedKeyTable() {
    static const std::array<std::uint32_t, lineKeyCount> table = [] {
        std::array<std::uint32_t, lineKeyCount> t{};
        for (int key = 0; key < lineKeyCount; ++key)
            t[std::size_t(key)] = packedShapes[std::size_t(ShapeOfKey(std::uint16_t(key)))];
        return t;
    }();
    return table;
}

Position::Position(const Board& board) {
    state_.fill(fsBorder);
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) state_[CellOf(x, y)] = fsEmpty;
    // Keys of the empty board: only the edge blocks.
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int cell = CellOf(x, y);
            for (int d = 0; d < 4; ++d) {
                std::uint16_t key = 0;
                for (int offset = -4; offset <= 4; ++offset)
                    if (offset != 0 && state_[cell + offset * directionStep[d]] == fsBorder)
                        key = std::uint16_t(key + 2 * lineDigitWeight[LineDigit(offset)]);
                key_[cell][d] = std::uint32_t(key) * 0x10001u;
            }
            Refresh(cell);
        }
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            const int s = board[x][y].state;
            if (s == 1 || s == 2) Place(CellOf(x, y), s);
        }
    // The fields far from every stone are not kept up to date by Place; the value marks read them.
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y)
            if (state_[CellOf(x, y)] == fsEmpty && near_[CellOf(x, y)] == 0) Refresh(CellOf(x, y));
    // The board's stones are never taken back the short way (see Take).
    undo_.clear();
    changeCount_ = 0;
    undo_.reserve(64);
    changes_.resize(std::max<std::size_t>(changes_.size(), 2048));
}

void Position::Refresh(int cell) {
    std::uint32_t sum0 = 0, sum1 = 0;
    for (int d = 0; d < 4; ++d) {
        const std::uint32_t keys = key_[cell][d];
        sum0 += packedOfKey_[keys & 0xFFFF];
        sum1 += packedOfKey_[keys >> 16];
    }
    packed_[cell] = {sum0, sum1};
}

namespace {

// The fields whose keys see a stone, relative to it, for each direction d and digit i of the
// keys in turn (index 8 d + i): the stone lies at `offset` from the field, in digit i of its keys.
constexpr std::array<int, 32> seerOffsets = [] {
    std::array<int, 32> t{};
    for (int d = 0; d < 4; ++d)
        for (int i = 0; i < 8; ++i) {
            const int offset = i < 4 ? i - 4 : i - 3;
            t[std::size_t(8 * d + i)] = -offset * directionStep[std::size_t(d)];
        }
    return t;
}();

}  // namespace

// Adds (sign 1) or removes (sign -1) a stone's digits in the keys of the fields that see it, and
// brings their packed shapes and the prospects of the nearby ones up to date.
template <int sign> void Position::Shift(int cell, int contestant) {
    // The stone is digit 1 in its own contestant's keys and 2 (blocked) in the other's.
    const std::uint32_t unit = contestant == 1 ? 1u | 2u << 16 : 2u | 1u << 16;
    // Unrolled, every field's offset and digit weight is a constant.
#pragma GCC unroll 32
    for (int k = 0; k < 32; ++k) {
        const int q = cell + seerOffsets[std::size_t(k)];
        std::uint32_t& keys = key_[std::size_t(q)][std::size_t(k / 8)];
        const std::uint32_t delta = unit * lineDigitWeight[std::size_t(k % 8)];
        const std::uint32_t was = keys;
        const std::uint32_t now = sign > 0 ? was + delta : was - delta;
        keys = now;
        if (!IsNearEmpty(q)) continue;  // not a move now: see Refresh
        Reshape<(sign > 0)>(q, 0, packedOfKey_[was & 0xFFFF], packedOfKey_[now & 0xFFFF]);
        Reshape<(sign > 0)>(q, 1, packedOfKey_[was >> 16], packedOfKey_[now >> 16]);
    }
}

// Takes a stone's digits out of the keys of the fields that see it, and nothing else.
void Position::Unshift(int cell, int contestant) {
    const std::uint32_t unit = contestant == 1 ? 1u | 2u << 16 : 2u | 1u << 16;
#pragma GCC unroll 32
    for (int k = 0; k < 32; ++k)
        key_[std::size_t(cell + seerOffsets[std::size_t(k)])][std::size_t(k / 8)] -=
            unit * lineDigitWeight[std::size_t(k % 8)];
}

namespace {

// The nearness counts of a row of five fields, read and written as one word together with the
// three fields after them, so that adding FiveBytes(1) counts a stone in all five at once. A count
// is at most 25, so no byte carries into the next.
std::uint64_t RowOfNearness(const std::uint8_t* first) {
    std::uint64_t v;
    std::memcpy(&v, first, sizeof v);
    return v;
}
void SetRowOfNearness(std::uint8_t* first, std::uint64_t v) { std::memcpy(first, &v, sizeof v); }
constexpr std::uint64_t FiveBytes(std::uint8_t b) {
    return std::bit_cast<std::uint64_t>(std::array<std::uint8_t, 8>{b, b, b, b, b, 0, 0, 0});
}

}  // namespace

// Counts a stone (sign 1) or no longer (sign -1) in the nearness of the fields around it; a field
// becoming near or far enters or leaves the prospects.
template <int sign> void Position::Near(int cell) {
    if constexpr (sign > 0) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int first = cell + dx * span - 2;
            const std::uint64_t row = RowOfNearness(&near_[std::size_t(first)]);
            // A byte's top bit is set by adding 0x7F unless the count is 0.
            if (~(row + 0x7F7F7F7F7F7F7F7Full) & FiveBytes(0x80))
                for (int p = first; p < first + 5; ++p)
                    if (near_[p] == 0 && state_[p] == fsEmpty) {
                        Refresh(p);
                        Count(p, 0, 1);
                        Count(p, 1, 1);
                        MarkNearEmpty(p, true);
                    }
            SetRowOfNearness(&near_[std::size_t(first)], row + FiveBytes(1));
        }
        return;
    }
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int p = cell + dx * span + dy;
            if (--near_[p] == 0 && state_[p] == fsEmpty) {
                Count(p, 0, -1);
                Count(p, 1, -1);
                MarkNearEmpty(p, false);
            }
        }
}

void Position::Place(int cell, int contestant) {
    const std::size_t firstWord = std::size_t(cell - 2 * span - 2) / 64;
    undo_.push_back({cell,
                     firstWord,
                     {nearEmpty_[firstWord], nearEmpty_[firstWord + 1], nearEmpty_[firstWord + 2]},
                     weight_,
                     counts_,
                     changeCount_});
    // Room for every line of the fields that see the stone, so that Reshape need not check.
    if (changes_.size() < changeCount_ + 64) changes_.resize(2 * changes_.size() + 64);
    if (near_[cell] != 0) {
        Count(cell, 0, -1);
        Count(cell, 1, -1);
        MarkNearEmpty(cell, false);
    }
    state_[cell] = std::uint8_t(contestant);
    hash_ ^= zobristKeys[cell][contestant - 1];
    ++stones_;
    Shift<1>(cell, contestant);
    Near<1>(cell);
}

void Position::Take(int cell) {
    const int contestant = state_[cell];
    if (!undo_.empty() && undo_.back().cell == cell) {
        // Everything placed since has been taken back: the position is as this stone left it.
        const Undo& u = undo_.back();
        for (int dx = -2; dx <= 2; ++dx) {
            std::uint8_t* first = &near_[std::size_t(cell + dx * span - 2)];
            SetRowOfNearness(first, RowOfNearness(first) - FiveBytes(1));  // each count is at least 1
        }
        Unshift(cell, contestant);
        for (std::size_t i = changeCount_; i-- > u.changes;) {
            const PackedChange& c = changes_[i];
            packed_[c.field / 2u][c.field % 2u] = c.was;
        }
        changeCount_ = u.changes;
        for (std::size_t i = 0; i < 3; ++i) nearEmpty_[u.firstWord + i] = u.words[i];
        weight_ = u.weight;
        counts_ = u.counts;
        undo_.pop_back();
        --stones_;
        hash_ ^= zobristKeys[cell][contestant - 1];
        state_[cell] = fsEmpty;
        return;
    }
    // A stone out of turn: the stones placed after it were logged with its effects, so nothing
    // logged can be restored any more.
    undo_.clear();
    changeCount_ = 0;
    Near<-1>(cell);
    Shift<-1>(cell, contestant);
    --stones_;
    hash_ ^= zobristKeys[cell][contestant - 1];
    state_[cell] = fsEmpty;
    if (near_[cell] != 0) {
        Refresh(cell);
        Count(cell, 0, 1);
        Count(cell, 1, 1);
        MarkNearEmpty(cell, true);
    }
}

void Position::FiveFieldsAlong(int cell, int direction, int contestant, std::vector<int>& out) const {
    for (int offset = -4; offset <= 4; ++offset) {
        const int q = cell + offset * directionStep[direction];
        if (state_[q] != fsEmpty || Shape(q, direction, contestant) != LineShape::Five) continue;
        bool seen = false;
        for (int c : out) seen = seen || c == q;
        if (!seen) out.push_back(q);
    }
}

}  // namespace karvelo::master
