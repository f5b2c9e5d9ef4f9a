// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace artwork {

// The counts 1 … 8 of the minefield's twin tiles, set by hand at twice the size: 12 x 20 pixels
// with four-pixel stems, two-pixel bars and half-inked pixels on the curves and diagonals, the
// same figures as the 1x tiles' digits instead of their pixels doubled.
QSize TwinDigitSize();

// Draws the digit with its top-left at logical (x, y) of a picture of scale 2.
void DrawTwinDigit(QImage& tile, int digit, int x, int y, const QColor& ink);

}  // namespace artwork
