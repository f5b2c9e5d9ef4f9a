#pragma once
// Tile images, read from the working folder each time one is drawn.

#include <QImage>
#include <stdexcept>
#include <string>

namespace zarn {

class TileLoadError : public std::runtime_error {
public:
    explicit TileLoadError(const std::string& fileName);
};

// Throws TileLoadError when the file is missing or unreadable.
QImage LoadTile(const std::string& fileName);

}  // namespace zarn
