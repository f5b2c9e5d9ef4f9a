// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tile images, read from the working folder each time one is drawn.

#include <QImage>
#include <stdexcept>
#include <string>

namespace zarn {

class TileLoadError : public std::runtime_error {
public:
    explicit TileLoadError(const std::string& fileName);                    // missing or unreadable
    TileLoadError(const std::string& fileName, const std::string& damage);  // damage: UTF-8, why
};

// Throws TileLoadError when the file is missing, unreadable or damaged (holds fewer pixels than
// its header announces, or a header that contradicts itself); no half-read tile is ever drawn.
// Above a device pixel ratio of 1 the tile is its sound "@2x" twin where there is one (device
// pixel ratio 2, the same logical size).
QImage LoadTile(const std::string& fileName, qreal deviceRatio = 1.0);

}  // namespace zarn
