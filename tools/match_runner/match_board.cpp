// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match_runner/match_board.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace match_runner {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::optional<int> Number(std::string_view s) {
    s = Trim(s);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

// splitmix64: a generator whose output is the same with every compiler and library.
std::uint64_t Mix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr int openingLow = 7;
constexpr int openingSide = 6;

}  // namespace

std::string Text(Field f) { return std::to_string(f.x) + "," + std::to_string(f.y); }

std::optional<Field> ParseMove(std::string_view answer) {
    const std::size_t comma = answer.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int> x = Number(answer.substr(0, comma)), y = Number(answer.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return Field{*x, *y};
}

void MatchBoard::Place(Field f, Colour c) {
    fields_[std::size_t(f.y * boardSize + f.x)] = c;
    ++stones_;
}

bool MatchBoard::MakesFive(Field f) const {
    const Colour c = At(f);
    if (c == Colour::none) return false;
    constexpr int directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& d : directions) {
        int run = 1;
        for (int sign : {1, -1})
            for (Field g{f.x + sign * d[0], f.y + sign * d[1]}; OnBoard(g) && At(g) == c;
                 g = {g.x + sign * d[0], g.y + sign * d[1]})
                ++run;
        if (run >= 5) return true;
    }
    return false;
}

Opening MakeOpening(std::uint64_t seed, int index) {
    std::uint64_t state = seed * 0x100000001b3ULL + std::uint64_t(index);
    Mix(state);
    Opening opening{};
    for (std::size_t i = 0; i < opening.size(); ++i) {
        Field f;
        do {
            const int n = int(Mix(state) % (openingSide * openingSide));
            f = {openingLow + n % openingSide, openingLow + n / openingSide};
        } while (std::find(opening.begin(), opening.begin() + long(i), f) != opening.begin() + long(i));
        opening[i] = f;
    }
    return opening;
}

}  // namespace match_runner
