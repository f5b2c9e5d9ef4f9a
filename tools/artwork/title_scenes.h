// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

#include <QPainter>
#include <QRect>
#include <QString>

// The four areas of the title picture, each painted into `area` (the painter is clipped to it)
// in its theme's look, with the theme's name.
namespace artwork {

void PaintOceanScene(QPainter& painter, const QRect& area, const ThemeArt& ocean, const QString& fontFamily);
void PaintGothicScene(QPainter& painter, const QRect& area, const ThemeArt& gothic,
                      const QString& fontFamily);
void PaintGardenScene(QPainter& painter, const QRect& area, const ThemeArt& garden,
                      const QString& fontFamily);
void PaintMysteryScene(QPainter& painter, const QRect& area, const ThemeArt& mystery,
                       const QString& fontFamily);

// A theme's stone drawn `size` pixels wide with its top-left at `at`.
void PaintStoneAt(QPainter& painter, const ThemeArt& theme, int set, int variant, QPointF at, double size);

}  // namespace artwork
