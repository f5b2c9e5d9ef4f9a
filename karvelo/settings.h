// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choices of theme and symbols made on the pages, kept for the run.

#include "karvelo/themes.h"

#include <string>

namespace karvelo {

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

}  // namespace karvelo
