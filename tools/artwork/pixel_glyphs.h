// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Hand-set bitmap glyphs for the marks on 20 x 20 tiles: bold two-pixel strokes that stay
// sharp where a scaled outline font would blur.
namespace artwork {

enum class Glyph {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    BigPlus,    // 8 x 8, for the single "+"
    SmallPlus,  // 6 x 6, for "++" and "+++"
};

Glyph DigitGlyph(int digit);
QSize GlyphSize(Glyph glyph);

// Sets the glyph's pixels with top-left at (x, y) (logical pixels). With a valid `outline` colour,
// every pixel next to the glyph (the eight neighbours) is set to it first, so the glyph reads on
// any ground. Into a picture of scale 2 a digit is drawn with rounded corners, not in blocks.
void DrawGlyph(QImage& image, Glyph glyph, int x, int y, const QColor& ink, const QColor& outline = QColor());

// Same, but the outline only to the right and below: a one-pixel drop shadow.
void DrawGlyphShadowed(QImage& image, Glyph glyph, int x, int y, const QColor& ink, const QColor& shadow);

}  // namespace artwork
