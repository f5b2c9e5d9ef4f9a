// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_folder.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace zarn::test {

QColor TileFolder::ColourOf(const QString& fileName) {
    if (fileName == QLatin1String("mina.bmp")) return QColor(220, 0, 0);
    const int digit = fileName.mid(4, 1).toInt();  // "zarnK.bmp"
    return QColor(20 * digit, 100 + 10 * digit, 200);
}

void TileFolder::Restore(const QString& fileName) const {
    QImage tile(20, 20, QImage::Format_RGB32);
    tile.fill(ColourOf(fileName));
    tile.save(dir_.filePath(fileName), "BMP");
}

TileFolder::TileFolder() : previous_(QDir::currentPath()) {
    Restore(QStringLiteral("mina.bmp"));
    for (int digit = 0; digit <= 8; ++digit) Restore(QStringLiteral("zarn%1.bmp").arg(digit));
    QDir::setCurrent(dir_.path());
}

TileFolder::~TileFolder() { QDir::setCurrent(previous_); }

void TileFolder::Truncate(const QString& fileName, int keepBytes) const {
    QFile tile(dir_.filePath(fileName));
    if (!tile.resize(keepBytes)) qFatal("cannot truncate %s", qPrintable(fileName));
}

void TileFolder::Remove(const QString& fileName) const { QFile::remove(dir_.filePath(fileName)); }

}  // namespace zarn::test
