#pragma once

#include <QImage>
#include <QString>

namespace artwork {

QImage KarveloIcon(); // 64 x 64, transparent ground
QImage ZarnIcon();    // 64 x 64, transparent ground

// Writes <root>/karvelo/karvelo.png and <root>/zarn/zarn.png.
bool WriteIcons(const QString& root, QString* error);

} // namespace artwork
