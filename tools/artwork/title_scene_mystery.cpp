// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_composer.h"
#include "lettering.h"
#include "raster.h"
#include "title_scenes.h"

#include <QLinearGradient>

namespace artwork {

void PaintMysteryScene(QPainter& p, const QRect& area, const ThemeArt& mystery, const QString& fontFamily) {
    // The frame's velvet band with its runes, standing upright, and a moon above the name.
    const QImage band = Turned(mystery.topBand(), 3);
    DrawPart(p, QPointF(area.left(), area.top()), band, QRectF(0, 60, 40, area.height()));
    DrawPart(p, QPointF(area.left() + 40, area.top()), band, QRectF(31, 60, 9, area.height()));
    p.fillRect(area, QColor(40, 0, 6, 120));
    p.drawImage(QPointF(area.left() + 5, area.top() + 5), mystery.corner());

    p.save();
    p.translate(area.left() + area.width() / 2.0 + 8, area.top() + 116);
    p.rotate(-90);
    QLinearGradient gold(0, -22, 0, 0);
    gold.setColorAt(0, QColor(255, 244, 190));
    gold.setColorAt(1, QColor(220, 150, 40));
    DrawOutlinedText(p, "Mystery", TextFont(fontFamily, 23, true), QPointF(0, 0), gold, QColor(30, 0, 4),
                     1.4);
    p.restore();

    // A thin golden border marks the corner as an area of its own.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 0, 0), 1));
    p.drawRect(QRectF(area.left() + 0.5, area.top() + 0.5, area.width() - 1, area.height() - 1));
    p.setPen(QPen(QColor(232, 188, 84), 1));
    p.drawRect(QRectF(area.left() + 1.5, area.top() + 1.5, area.width() - 3, area.height() - 3));
}

}  // namespace artwork
