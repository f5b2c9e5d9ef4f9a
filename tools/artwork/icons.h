// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artwork {

// The sizes of the menu icons installed into the hicolor theme.
const QList<int>& MenuIconSizes();

// Square icons on a transparent ground. 64 is the drawing's own size; below 32 pixels a
// simpler drawing with pixel-wide lines keeps the picture legible.
QImage KarveloIcon(int size = 64);
QImage ZarnIcon(int size = 64);

// Writes the window icons <root>/karvelo/karvelo.png and <root>/zarn/zarn.png (64 x 64) and
// the menu icons <root>/packaging/icons/<size>/karvelo.png and zarn.png for every menu size.
bool WriteIcons(const QString& root, QStringList* written, QString* error);

}  // namespace artwork
