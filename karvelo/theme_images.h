// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 31 images in use, refilled in place from the current theme and symbol choices.

#include "karvelo/themes.h"

#include <QImage>
#include <array>
#include <stdexcept>

namespace karvelo {

struct ThemeImages {
    std::array<QImage, 10> frameBitmaps;  // 0..7 frame pieces, 8 panel strip, 9 title picture
    std::array<QImage, 9> fieldBitmaps;   // indexed by a field's picture
    std::array<QImage, 12> valueBitmaps;  // 0 "+", 1..9 the digits, 10 "++", 11 "+++"
};

class ImageLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads in a fixed order; a file that fails throws ImageLoadError at once, leaving the images
// before it replaced and the ones after it as they were. Above a device pixel ratio of 1 each
// picture is its "@2x" twin where that one is sound (device pixel ratio 2, the same logical size).
void LoadThemeImages(ThemeImages& images, const Settings& settings, qreal deviceRatio = 1.0);

}  // namespace karvelo
