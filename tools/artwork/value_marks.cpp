// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_marks.h"

#include "pixel_glyphs.h"

namespace artwork {

const std::array<QString, valueMarkCount>& ValueMarkNames() {
    static const std::array<QString, valueMarkCount> names = {"+", "1", "2", "3", "4",  "5",
                                                              "6", "7", "8", "9", "++", "+++"};
    return names;
}

QImage ValueMark(const ThemeArt& theme, int index) {
    QImage image = theme.field().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const MarkStyle style = theme.markStyle();
    auto draw = [&](Glyph glyph, int x, int y) { DrawGlyph(image, glyph, x, y, style.ink, style.outline); };
    if (index == 0) {
        draw(Glyph::BigPlus, 6, 6);
    } else if (index <= 9) {
        draw(DigitGlyph(index), 7, 5);
    } else if (index == 10) {
        draw(Glyph::SmallPlus, 3, 7);
        draw(Glyph::SmallPlus, 11, 7);
    } else {
        // Three in a triangle: in a row they would not fit inside the field's edges.
        draw(Glyph::SmallPlus, 7, 3);
        draw(Glyph::SmallPlus, 3, 11);
        draw(Glyph::SmallPlus, 11, 11);
    }
    return image;
}

}  // namespace artwork
