// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 31 images in use, refilled in place from the current theme and symbol choices.

#include "karvelo/settings.h"

#include <QImage>
#include <QString>
#include <array>
#include <stdexcept>

namespace karvelo {

struct ThemeImages {
    std::array<QImage, 10> frameBitmaps;  // 0..7 frame pieces, 8 panel strip, 9 title picture
    std::array<QImage, 9> fieldBitmaps;   // indexed by a field's picture
    std::array<QImage, 12> valueBitmaps;  // 0 "+", 1..9 the digits, 10 "++", 11 "+++"

    // What a surface of `deviceRatio` draws for an entry of the tables above: above a ratio of 1
    // the file's "@2x" twin where that one is sound (device pixel ratio 2, the same logical size),
    // otherwise the 1x picture. A twin is read when it is first drawn, not with its 1x file: most
    // of them (other symbol variants, value marks) are never drawn in a run.
    const QImage& Frame(int entry, qreal deviceRatio) const;
    const QImage& Field(int entry, qreal deviceRatio) const;
    const QImage& Value(int entry, qreal deviceRatio) const;
    // Lets a frame entry's twin go until it is drawn again: the title picture's twin is drawn once
    // and would hold megabytes for the rest of the run.
    void ReleaseFrameTwin(int entry) const;

    // The file each entry was last loaded from, and its twin once looked for; kept beside the
    // tables so a refill of one entry forgets exactly that entry's twin.
    struct TwinSlot {
        QString path;
        bool lookedFor = false;
        QImage twin;  // null when the twin is missing, damaged or of the wrong size
    };
    mutable std::array<TwinSlot, 31> twins;
};

class ImageLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads the 1x files in a fixed order; a file that fails throws ImageLoadError at once, leaving the
// images before it replaced and the ones after it as they were.
void FillThemeImages(ThemeImages& images, const Settings& settings);

}  // namespace karvelo
