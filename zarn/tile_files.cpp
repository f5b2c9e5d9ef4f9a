#include "zarn/tile_files.h"

#include "common/bitmap_check.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace zarn {

namespace {
// A tile is a few kilobytes; anything this large is not one.
constexpr qint64 maxTileBytes = 64 * 1024 * 1024;
}  // namespace

TileLoadError::TileLoadError(const std::string& fileName)
    : std::runtime_error("Obrázek \xE2\x80\x9E" + fileName + "\xE2\x80\x9C nelze načíst.") {}

TileLoadError::TileLoadError(const std::string& fileName, const std::string& damage)
    : std::runtime_error("Obrázek \xE2\x80\x9E" + fileName +
                         "\xE2\x80\x9C nelze načíst, soubor je poškozený (" + damage + ").") {}

QImage LoadTile(const std::string& fileName) {
    const QString file = QString::fromStdString(fileName);
    const QFileInfo info(file);
    // Anything but a regular file is unreadable; a pipe would block the open.
    if (!info.isFile() || info.size() > maxTileBytes) throw TileLoadError(fileName);
    QFile stream(file);
    if (!stream.open(QIODevice::ReadOnly)) throw TileLoadError(fileName);
    QByteArray bytes = stream.readAll();
    if (stream.error() != QFileDevice::NoError) throw TileLoadError(fileName);

    // Checked and decoded from the same bytes, so what was checked is what is drawn.
    const std::string damage = bitmap_check::BitmapProblem(std::string_view(bytes.constData(), bytes.size()));
    if (!damage.empty()) throw TileLoadError(fileName, damage);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    const QImage tile = reader.read();
    if (tile.isNull()) throw TileLoadError(fileName, reader.errorString().toStdString());
    return tile;
}

}  // namespace zarn
