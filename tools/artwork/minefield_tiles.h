#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace artwork {

// Tile k (0 … 8): an uncovered field with k mines around it.
QImage UncoveredTile(int minesAround);
// The clicked mine.
QImage MineTile();

// Writes "mina.bmp" and "zarn0.bmp" … "zarn8.bmp" into `folder`.
bool WriteMinefieldTiles(const QString& folder, QStringList* written, QString* error);

} // namespace artwork
