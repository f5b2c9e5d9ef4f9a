// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/themes.h"

namespace karvelo {

const std::array<const char*, themeCount> themeNames = {"Gothic", "Garden", "Ocean", "Mystery"};
const std::array<const char*, themeCount> themePaths = {"obr/Gothic/", "obr/Garden/", "obr/Ocean/",
                                                        "obr/Mystery/"};
const std::array<Rgb, themeCount> themeColours = {
    {{113, 111, 100}, {0, 128, 0}, {100, 139, 203}, {111, 0, 0}}};
const std::array<const char*, symbolSetCount> symbolStems = {"Kolo/znak", "Kriz/znak", "Znk1/znak"};
const std::array<std::array<const char*, symbolSetCount>, themeCount> symbolSetNames = {{
    {"Prsteny", "Kříže", "Amfory"},
    {"Červené", "Modré", "Žluté"},
    {"Ježci", "Hvězdy", "Lastury"},
    {"Light", "Water", "Nature"},
}};

int ThemeAtTitlePoint(int x, int y) {
    int theme = x < 175 ? 2 : (y < 260 ? 0 : 1);
    if (x > 430 && y > 300) theme = 3;
    return theme;
}

}  // namespace karvelo
