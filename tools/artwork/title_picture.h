// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace artwork {

struct TitleThemes {
    const ThemeArt& gothic;
    const ThemeArt& garden;
    const ThemeArt& ocean;
    const ThemeArt& mystery;
};

// The click regions of the title screen, as painted: each rectangle holds exactly the pixels
// that pick its theme (Garden's lower right corner is overlaid by Mystery).
const QRect oceanArea(0, 0, 175, 480);       // x < 175
const QRect gothicArea(175, 0, 305, 260);    // x >= 175, y < 260
const QRect gardenArea(175, 260, 305, 220);  // x >= 175, y >= 260
const QRect mysteryArea(431, 301, 49, 179);  // x > 430 and y > 300

// The 480 x 480 title picture: the name, the invitation to pick a theme, and each theme's
// area painted in its own look with its name. At `scale` 2 the twin, drawn from themes of scale 2.
QImage TitlePicture(const TitleThemes& themes, const QString& fontFamily, int scale);

bool WriteTitlePicture(const QString& path, const TitleThemes& themes, const QString& fontFamily, int scale,
                       QString* error);

}  // namespace artwork
