// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the search sees it: a padded one-dimensional array, and for every field, direction
// and contestant the line key of its neighbourhood, kept up to date as stones are placed and taken
// back, so that the shape a move would make is one table look-up.

#include "karvelo/computer/master/line_patterns.h"
#include "karvelo/match/board.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace karvelo::master {

constexpr int padding = 4;  // the line keys look four fields beyond the edge
constexpr int span = boardSize + 2 * padding;
constexpr int cellCount = span * span;
constexpr int noCell = -1;

// Steps of the four directions (1, 1), (1, 0), (0, 1), (1, -1), the order the five test uses.
constexpr std::array<int, 4> directionStep = {span + 1, span, 1, span - 1};

constexpr int CellOf(int x, int y) { return (x - 1 + padding) * span + (y - 1 + padding); }
constexpr int XOf(int cell) { return cell / span - padding + 1; }
constexpr int YOf(int cell) { return cell % span - padding + 1; }

constexpr int Other(int contestant) { return 3 - contestant; }

// What a move on one field makes for one contestant, summed over the four directions.
struct MoveShapes {
    int fives = 0;
    int openFours = 0;
    int fours = 0;  // simple fours, one completing field each
    int openThrees = 0;
    int weight = 0;  // the shapes' weights summed; see ShapeWeight
    bool MakesFive() const { return fives > 0; }
    bool MakesFour() const { return fives + openFours + fours > 0; }
    // A move that wins by force unless the other side completes five first.
    bool MakesUnstoppableFour() const { return openFours > 0 || fours >= 2; }
};

// A list of fields that needs no allocation: the search fills one in every node, so the fields
// beyond `size` are left uninitialised rather than cleared each time.
struct CellList {
    std::array<std::int16_t, boardSize * boardSize> cells;
    int size = 0;
    void Clear() { size = 0; }
    void Push(int cell) { cells[std::size_t(size++)] = std::int16_t(cell); }
    int operator[](int i) const { return cells[std::size_t(i)]; }
};

// How much a shape is worth as part of a field's value; used by the evaluation and move order. A
// lone stone with room around it is worth nothing yet, so fields far from every stone score 0.
constexpr int ShapeWeight(LineShape s) {
    constexpr int weights[] = {0, 0, 0, 6, 16, 24, 70, 80, 600, 3000};
    return weights[int(s)];
}

// A shape's part of MoveShapes packed into one number, so that the four directions add up in one
// sum: counts of fives, open fours, fours and open threes in three bits each (four directions
// count at most 4), the weight from bit 16.
constexpr std::uint32_t PackedShape(LineShape s) {
    const std::uint32_t count = s == LineShape::Five        ? 1u
                                : s == LineShape::OpenFour  ? 1u << 3
                                : s == LineShape::Four      ? 1u << 6
                                : s == LineShape::OpenThree ? 1u << 9
                                                            : 0u;
    return count | std::uint32_t(ShapeWeight(s)) << 16;
}

inline constexpr std::array<std::uint32_t, 10> packedShapes = {
    PackedShape(LineShape::None),      PackedShape(LineShape::One),     PackedShape(LineShape::OpenOne),
    PackedShape(LineShape::Two),       PackedShape(LineShape::OpenTwo), PackedShape(LineShape::Three),
    PackedShape(LineShape::OpenThree), PackedShape(LineShape::Four),    PackedShape(LineShape::OpenFour),
    PackedShape(LineShape::Five)};

inline MoveShapes Unpack(std::uint32_t sum) {
    MoveShapes m;
    m.fives = int(sum & 7);
    m.openFours = int(sum >> 3 & 7);
    m.fours = int(sum >> 6 & 7);
    m.openThrees = int(sum >> 9 & 7);
    m.weight = int(sum >> 16);
    return m;
}

// What the empty fields near a stone (within two, where the search moves) offer one contestant,
// kept up to date with every stone, so that a leaf of the search is valued without visiting them.
struct Prospects {
    int weight = 0;        // the weights of every move's shapes
    int fives = 0;         // fields that complete five
    int fours = 0;         // fields that make a four of any kind
    int unstoppable = 0;   // fields that make an open four or two fours
    int fourThrees = 0;    // fields that make a four and an open three at once
    int doubleThrees = 0;  // fields that make two open threes at once
};

// Which of the prospects' five conditions one field's counts meet, bit i for the i-th twelve-bit
// field of the counts (five, four, unstoppable, four-three, double three), indexed by the counts
// of fives, open fours, fours and open threes in three bits each: the low twelve bits of a
// field's packed shapes (see PackedShape).
inline constexpr std::array<std::uint8_t, 4096> conditionTable = [] {
    std::array<std::uint8_t, 4096> t{};
    for (std::uint32_t i = 0; i < 4096; ++i) {
        const std::uint32_t fives = i & 7, openFours = i >> 3 & 7, fours = i >> 6 & 7,
                            openThrees = i >> 9 & 7;
        t[i] = std::uint8_t((fives != 0) | (fives + openFours + fours != 0) << 1 |
                            (openFours != 0 || fours >= 2) << 2 | (fours != 0 && openThrees != 0) << 3 |
                            (openThrees >= 2) << 4);
    }
    return t;
}();

inline constexpr std::array<std::uint64_t, 32> spreadConditions = [] {
    std::array<std::uint64_t, 32> t{};
    for (std::uint64_t i = 0; i < 32; ++i)
        for (int bit = 0; bit < 5; ++bit)
            if (i >> bit & 1) t[i] |= std::uint64_t(1) << (12 * bit);
    return t;
}();

// PackedShape of every line key's shape; built once, never changed.
const std::array<std::uint32_t, lineKeyCount>& PackedKeyTable();

class Position {
public:
    explicit Position(const Board& board);

    int State(int cell) const { return state_[cell]; }
    bool IsEmpty(int cell) const { return state_[cell] == fsEmpty; }
    int Stones() const { return stones_; }
    std::uint64_t Hash() const { return hash_; }

    LineShape Shape(int cell, int direction, int contestant) const {
        return shapes_[key_[cell][direction] >> (16 * (contestant - 1)) & 0xFFFF];
    }
    MoveShapes ShapesOf(int cell, int contestant) const { return Unpack(packed_[cell][contestant - 1]); }

    // What the empty fields near a stone offer `contestant`.
    Prospects ProspectsOf(int contestant) const {
        const std::uint64_t counts = counts_[std::size_t(contestant - 1)];
        const auto field = [counts](int i) { return int(counts >> (12 * i) & 4095); };
        return {weight_[std::size_t(contestant - 1)], field(0), field(1), field(2), field(3), field(4)};
    }

    void Place(int cell, int contestant);
    // Takes a stone back. The last stone placed is taken back by restoring what its placing
    // changed, which is what the search does; any other goes the long way, recomputing.
    void Take(int cell);

    // The empty fields within two of a stone, in x-major order: where the search looks for moves.
    void NearbyEmpty(CellList& out) const {
        out.Clear();
        for (std::size_t w = 0; w < nearEmpty_.size(); ++w)
            for (std::uint64_t bits = nearEmpty_[w]; bits != 0; bits &= bits - 1)
                out.Push(int(w * 64) + std::countr_zero(bits));
    }

    // The empty fields on which `contestant` would complete five along the line of direction
    // through `cell` (within four fields of it).
    void FiveFieldsAlong(int cell, int direction, int contestant, std::vector<int>& out) const;

private:
    const std::array<LineShape, lineKeyCount>& shapes_ = LineShapeTable();
    const std::array<std::uint32_t, lineKeyCount>& packedOfKey_ = PackedKeyTable();
    std::array<std::uint8_t, cellCount> state_{};
    std::array<std::uint8_t, cellCount> near_{};
    // The empty fields near a stone, one bit each in the order of the cells, which is x-major.
    std::array<std::uint64_t, (cellCount + 63) / 64> nearEmpty_{};
    // Per field and direction both contestants' keys in one word, contestant 1's in the low half,
    // so that a stone changes them in one addition.
    std::array<std::array<std::uint32_t, 4>, cellCount> key_{};
    // Per field and contestant the packed shapes of its four lines (see PackedShape).
    std::array<std::array<std::uint32_t, 2>, cellCount> packed_{};
    // The prospects of each contestant: the weight, and the five counts in twelve bits each.
    std::array<int, 2> weight_{};
    std::array<std::uint64_t, 2> counts_{};
    std::uint64_t hash_ = 0;
    int stones_ = 0;

    // What placing a stone changed, so that taking it back restores rather than recomputes.
    struct PackedChange {
        std::uint16_t field;  // cell * 2 + contestant index
        std::uint32_t was;
    };
    struct Undo {
        int cell;
        // The words of nearEmpty_ that hold the fields within two of the cell: its 117 cells
        // from two columns before to two after span at most three words.
        std::size_t firstWord;
        std::array<std::uint64_t, 3> words;
        std::array<int, 2> weight;
        std::array<std::uint64_t, 2> counts;
        std::size_t changes;  // changeCount_ before the stone
    };
    std::vector<Undo> undo_;
    std::vector<PackedChange> changes_;  // the first changeCount_ are in use
    std::size_t changeCount_ = 0;

    bool IsNearEmpty(int cell) const { return nearEmpty_[std::size_t(cell) / 64] >> (cell % 64) & 1; }
    void MarkNearEmpty(int cell, bool on) {
        const std::uint64_t bit = std::uint64_t(1) << (cell % 64);
        auto& word = nearEmpty_[std::size_t(cell) / 64];
        word = on ? word | bit : word & ~bit;
    }
    template <int sign> void Shift(int cell, int contestant);
    void Unshift(int cell, int contestant);
    // The packed shapes of a field made afresh from its keys. Shift keeps them only for the empty
    // fields near a stone, the only ones the search reads; a field is refreshed when it becomes one.
    void Refresh(int cell);
    template <int sign> void Near(int cell);
    // Adds (sign 1) or removes (sign -1) an empty field's part of the prospects.
    void Count(int cell, int c, int sign) {
        const std::uint32_t sum = packed_[std::size_t(cell)][std::size_t(c)];
        weight_[std::size_t(c)] += sign * int(sum >> 16);
        counts_[std::size_t(c)] += std::uint64_t(std::int64_t(sign)) * CountsOf(sum);
    }
    // One line of a near empty field changes its packed shape from `before` to `after`; the old
    // packed shapes are logged when placing a stone.
    template <bool log> void Reshape(int cell, int c, std::uint32_t before, std::uint32_t after) {
        if (before == after) return;
        const std::uint32_t old = packed_[std::size_t(cell)][std::size_t(c)];
        if constexpr (log) changes_[changeCount_++] = {std::uint16_t(2 * cell + c), old};
        const std::uint32_t now = old + after - before;
        packed_[std::size_t(cell)][std::size_t(c)] = now;
        weight_[std::size_t(c)] += int(now >> 16) - int(old >> 16);
        // The counts live in the low twelve bits; most changes are of weak shapes that count nothing.
        if ((now ^ old) & 0xFFF) Recount(c, old, now);
    }
    // Out of line, so that the less common change of a count does not swell the unrolled Shift.
    [[gnu::noinline]] void Recount(int c, std::uint32_t old, std::uint32_t now) {
        counts_[std::size_t(c)] += CountsOf(now) - CountsOf(old);
    }
    // One field's part of the prospects' counts: its packed counts index a table of the five
    // conditions, whose bits spread to the twelve-bit fields.
    static std::uint64_t CountsOf(std::uint32_t sum) { return spreadConditions[conditionTable[sum & 0xFFF]]; }
};

}  // namespace karvelo::master
