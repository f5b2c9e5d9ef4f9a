// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/computer/master/position.h"

#include "karvelo/computer/master/zobrist_keys.h"

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
    const int own = contestant - 1;
    for (int d = 0; d < 4; ++d) {
        for (int offset = -4; offset <= 4; ++offset) {
            if (offset == 0) continue;
            // The stone lies at `offset` from the field `cell - offset * step`.
            const int q = cell - offset * directionStep[d];
            auto& keys = key_[q][d];
            const int w = lineDigitWeight[LineDigit(offset)];
            const std::uint16_t newKeys[2] = {std::uint16_t(keys[0] + sign * (own == 0 ? w : 2 * w)),
                                              std::uint16_t(keys[1] + sign * (own == 1 ? w : 2 * w))};
            if (state_[q] != fsEmpty || near_[q] == 0) {  // not a move now: only the keys, see Refresh
                keys = {newKeys[0], newKeys[1]};
                continue;
            }
            for (int c = 0; c < 2; ++c) {
                const std::uint32_t before = packedOfKey_[keys[c]];
                const std::uint32_t after = packedOfKey_[newKeys[c]];
                keys[c] = newKeys[c];
                if (before == after) continue;
                const std::uint32_t was = packed_[q][c];
                const std::uint32_t is = was + after - before;
                packed_[q][c] = is;
                weight_[std::size_t(c)] += int(is >> 16) - int(was >> 16);
                counts_[std::size_t(c)] += CountsOf(is) - CountsOf(was);
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
    Shift(cell, contestant, 1);
    Near(cell, 1);
}

void Position::Take(int cell) {
    const int contestant = state_[cell];
    Near(cell, -1);
    Shift(cell, contestant, -1);
    --stones_;
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
    for (int x = 1; x <= boardSize; ++x) {
        const int column = CellOf(x, 1);
        for (int cell = column; cell < column + boardSize; ++cell)
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
