// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace artwork {

// Tile k (0 … 8): an uncovered field with k mines around it.
// At `scale` 2 the tiles are the twins, 40 x 40 pixels.
QImage UncoveredTile(int minesAround, int scale);
// The clicked mine.
QImage MineTile(int scale);

// Writes "mina.bmp" and "zarn0.bmp" … "zarn8.bmp" into `folder`, at scale 2 "mina@2x.bmp" and so on.
bool WriteMinefieldTiles(const QString& folder, int scale, QStringList* written, QString* error);

}  // namespace artwork
