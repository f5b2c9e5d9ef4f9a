// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four visual themes and the three symbol sets.

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

// Where a press on the title picture chooses a theme.
int ThemeAtTitlePoint(int x, int y);

}  // namespace karvelo
