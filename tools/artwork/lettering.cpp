// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QStringList>

namespace artwork {

QString RegisterTextFont() {
    const int regular = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
    QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf");
    if (regular < 0) return "DejaVu Sans";
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    return families.isEmpty() ? QString("DejaVu Sans") : families.front();
}

QFont TextFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, double outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.center().x(), centre.y());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor shadow(0, 0, 0, 110);
    painter.setPen(QPen(shadow, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shadow);
    painter.drawPath(path.translated(1.5, 1.5));
    painter.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(outline);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace artwork
