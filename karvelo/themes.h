// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four visual themes and the three symbol sets, and the choices that select them.

#include <array>
#include <string>

namespace karvelo {

constexpr int themeCount = 4;
constexpr int symbolSetCount = 3;

struct Rgb {
    int red, green, blue;
};

extern const std::array<const char*, themeCount> themeNames;
extern const std::array<const char*, themeCount> themePaths;
extern const std::array<Rgb, themeCount> themeColours;
extern const std::array<const char*, symbolSetCount> symbolStems;
extern const std::array<std::array<const char*, symbolSetCount>, themeCount> symbolSetNames;  // UTF-8

// Memory only; every run starts with Gothic, rings against crosses.
struct Settings {
    int themeIndex = 0;
    std::string themePath = themePaths[0];
    std::string numbersPath = "Cisla/";
    int symbolIndex1 = 0;
    int symbolIndex2 = 1;
    std::string symbolPath1 = symbolStems[0];
    std::string symbolPath2 = symbolStems[1];
};

// Where a press on the title picture chooses a theme.
int ThemeAtTitlePoint(int x, int y);

}  // namespace karvelo
