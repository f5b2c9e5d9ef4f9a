// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/position.h"

#include "karvelo/computer/master/zobrist_keys.h"

#include <algorithm>

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
                key_[cell][d] = {key, key};
            }
            for (int c = 0; c < 2; ++c) {
                for (int d = 0; d < 4; ++d)
                    packed_[cell][c] += packedShapes[std::size_t(shapes_[key_[cell][d][c]])];
            }
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
}

void Position::Refresh(int cell) {
    for (int c = 0; c < 2; ++c) {
        std::uint32_t sum = 0;
        for (int d = 0; d < 4; ++d) sum += packedOfKey_[key_[cell][d][c]];
        packed_[cell][c] = sum;
    }
}

// Adds (sign 1) or removes (sign -1) a stone's digits in the keys of the fields that see it, and
// brings their packed shapes and the prospects of the nearby ones up to date.
void Position::Shift(int cell, int contestant, int sign) {
    // The stone is digit 1 in its own contestant's keys and 2 (blocked) in the other's.
    const std::array<int, 2> digit = {sign * (contestant == 1 ? 1 : 2), sign * (contestant == 2 ? 1 : 2)};
    for (int d = 0; d < 4; ++d) {
        const int step = directionStep[d];
        for (int i = 0; i < 8; ++i) {
            // The stone lies at `offset` from the field `cell - offset * step`, in digit i of its keys.
            const int offset = i < 4 ? i - 4 : i - 3;
            const int q = cell - offset * step;
            auto& keys = key_[q][d];
            const int w = lineDigitWeight[std::size_t(i)];
            const std::array<std::uint16_t, 2> was = keys;
            keys = {std::uint16_t(was[0] + digit[0] * w), std::uint16_t(was[1] + digit[1] * w)};
            if (state_[q] != fsEmpty || near_[q] == 0) continue;  // not a move now: see Refresh
            for (int c = 0; c < 2; ++c) {
                const std::uint32_t before = packedOfKey_[was[std::size_t(c)]];
                const std::uint32_t after = packedOfKey_[keys[std::size_t(c)]];
                if (before == after) continue;
                const std::uint32_t old = packed_[q][c];
                const std::uint32_t now = old + after - before;
                packed_[q][c] = now;
                weight_[std::size_t(c)] += int(now >> 16) - int(old >> 16);
                counts_[std::size_t(c)] += CountsOf(now) - CountsOf(old);
            }
        }
    }
}

// Counts a stone (sign 1) or no longer (sign -1) in the nearness of the fields around it; a field
// becoming near or far enters or leaves the prospects.
void Position::Near(int cell, int sign) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int p = cell + dx * span + dy;
            if (sign < 0) --near_[p];
            if (near_[p] == 0 && state_[p] == fsEmpty) {
                if (sign > 0) Refresh(p);
                Count(p, 0, sign);
                Count(p, 1, sign);
            }
            if (sign > 0) ++near_[p];
        }
}

void Position::Place(int cell, int contestant) {
    if (near_[cell] != 0) {
        Count(cell, 0, -1);
        Count(cell, 1, -1);
    }
    state_[cell] = std::uint8_t(contestant);
    hash_ ^= zobristKeys[cell][contestant - 1];
    ++stones_;
    ++columnStones_[std::size_t(XOf(cell))];
    ++rowStones_[std::size_t(YOf(cell))];
    Shift(cell, contestant, 1);
    Near(cell, 1);
}

void Position::Take(int cell) {
    const int contestant = state_[cell];
    Near(cell, -1);
    Shift(cell, contestant, -1);
    --stones_;
    --columnStones_[std::size_t(XOf(cell))];
    --rowStones_[std::size_t(YOf(cell))];
    hash_ ^= zobristKeys[cell][contestant - 1];
    state_[cell] = fsEmpty;
    if (near_[cell] != 0) {
        Refresh(cell);
        Count(cell, 0, 1);
        Count(cell, 1, 1);
    }
}

void Position::NearbyEmpty(CellList& out) const {
    out.Clear();
    if (stones_ == 0) return;
    const auto range = [](const std::array<std::uint8_t, boardSize + 1>& stones, int& low, int& high) {
        low = 1;
        while (stones[std::size_t(low)] == 0) ++low;
        high = boardSize;
        while (stones[std::size_t(high)] == 0) --high;
        low = std::max(1, low - 2);
        high = std::min(boardSize, high + 2);
    };
    int x0, x1, y0, y1;
    range(columnStones_, x0, x1);
    range(rowStones_, y0, y1);
    for (int x = x0; x <= x1; ++x) {
        const int column = CellOf(x, 1);
        for (int cell = column + y0 - 1; cell < column + y1; ++cell)
            if (near_[cell] != 0 && state_[cell] == fsEmpty) out.Push(cell);
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
