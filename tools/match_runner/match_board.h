// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 20 x 20 board of a match between engines: the engines' answers read as moves, their
// legality, five or more in a row, and the seeded openings.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace match_runner {

constexpr int boardSize = 20;

enum class Colour { none, black, white };  // black moves first

struct Field {
    int x = 0;
    int y = 0;
    friend bool operator==(const Field&, const Field&) = default;
};

std::string Text(Field f);  // "x,y", as the protocol writes a move

// "x,y" (spaces around the numbers allowed); anything else, the board's edge ignored, is nothing.
std::optional<Field> ParseMove(std::string_view answer);

class MatchBoard {
public:
    static bool OnBoard(Field f) { return f.x >= 0 && f.x < boardSize && f.y >= 0 && f.y < boardSize; }
    bool IsEmpty(Field f) const { return At(f) == Colour::none; }
    Colour At(Field f) const { return fields_[std::size_t(f.y * boardSize + f.x)]; }
    void Place(Field f, Colour c);  // on the board and empty
    bool Full() const { return stones_ == boardSize * boardSize; }
    // Five or more of the colour on f in a row through f.
    bool MakesFive(Field f) const;

private:
    std::array<Colour, boardSize * boardSize> fields_{};
    int stones_ = 0;
};

// Two black and two white stones, in the order black, white, black, white; black moves next.
using Opening = std::array<Field, 4>;

// Opening number `index` of the series `seed`: four different fields in the 6 x 6 square at the
// centre (7..12). Each opening depends only on the seed and its index, so a longer run begins
// with the games of a shorter one.
Opening MakeOpening(std::uint64_t seed, int index);

}  // namespace match_runner
