// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title picture, shown from start-up until the first match.

#include "karvelo/theme_images.h"

class QPainter;

namespace karvelo {

// Paints the title picture over the whole board picture. On a screen of exactly twice the density
// its twin (960 x 960 pixels) is decoded in strips straight onto the painter: it never needs 3.7 MB
// of its own, which a fresh process would first fault in page by page before its window shows.
// Elsewhere, or when the twin will not read, the picture `images` draws at the painter's density.
void PaintTitlePicture(QPainter& painter, const ThemeImages& images);

}  // namespace karvelo
