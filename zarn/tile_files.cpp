#include "zarn/tile_files.h"

namespace zarn {

TileLoadError::TileLoadError(const std::string& fileName)
    : std::runtime_error("Obrázek \xE2\x80\x9E" + fileName + "\xE2\x80\x9C nelze načíst.") {}

QImage LoadTile(const std::string& fileName) {
    QImage tile(QString::fromStdString(fileName));
    if (tile.isNull()) throw TileLoadError(fileName);
    return tile;
}

}  // namespace zarn
