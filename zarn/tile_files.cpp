// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/tile_files.h"

#include "common/picture_file.h"

namespace zarn {

TileLoadError::TileLoadError(const std::string& fileName)
    : std::runtime_error("Obrázek \xE2\x80\x9E" + fileName + "\xE2\x80\x9C nelze načíst.") {}

TileLoadError::TileLoadError(const std::string& fileName, const std::string& damage)
    : std::runtime_error("Obrázek \xE2\x80\x9E" + fileName +
                         "\xE2\x80\x9C nelze načíst, soubor je poškozený (" + damage + ").") {}

QImage LoadTile(const std::string& fileName, qreal deviceRatio) {
    const QString file = QString::fromStdString(fileName);
    const picture_file::Picture tile = picture_file::Read(file);
    // Anything but a sound regular file is unreadable; only damage gets its own words.
    if (tile.failure == picture_file::Failure::damaged)
        throw TileLoadError(fileName, tile.detail.toStdString());
    if (tile.failure != picture_file::Failure::none) throw TileLoadError(fileName);
    return picture_file::WithTwin(tile.image, file, deviceRatio);
}

}  // namespace zarn
