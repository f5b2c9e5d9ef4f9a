// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theme_art.h"

#include <QImage>

namespace artwork {

// Turns an image by a multiple of 90 degrees clockwise, pixel for pixel.
QImage Turned(const QImage& image, int quarterTurns);

// The whole 480 x 480 frame of a theme: the top band turned onto all four sides, the corner
// turned into all four corners. The inside is left transparent.
QImage ComposeFrame(const ThemeArt& theme);

// The 480 x 40 panel strip: the frame's top band with the theme's panel at x 120 .. 359, so
// that whatever part the program's fill selects lines up with the frame.
QImage ComposePanelStrip(const ThemeArt& theme, const QImage& frame);

}  // namespace artwork
