// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering.h"
#include "raster.h"
#include "title_scenes.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

void PaintFish(QPainter& p, QPointF at, double size, const QColor& colour, bool facingLeft) {
    p.save();
    p.translate(at);
    p.scale(facingLeft ? -size : size, size);
    QPainterPath fish;
    fish.moveTo(-1.0, 0);
    fish.cubicTo(-0.5, -0.55, 0.5, -0.55, 1.0, 0);
    fish.cubicTo(0.5, 0.55, -0.5, 0.55, -1.0, 0);
    fish.moveTo(-0.85, 0);
    fish.lineTo(-1.5, -0.45);
    fish.lineTo(-1.35, 0);
    fish.lineTo(-1.5, 0.45);
    fish.closeSubpath();
    p.setPen(QPen(Scaled(colour, 0.45), 0.08));
    p.setBrush(colour);
    p.drawPath(fish);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(0.55, -0.08), 0.09, 0.09);
    p.restore();
}

// A pink jellyfish: a translucent bell trailing wavy tentacles.
void PaintJellyfish(QPainter& p, QPointF at, double size) {
    p.save();
    p.translate(at);
    p.scale(size, size);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 190, 230, 170), 0.06, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        QPainterPath tentacle;
        const double x0 = -0.6 + k * 0.3;
        tentacle.moveTo(x0, 0);
        for (double t = 0; t <= 1.0; t += 0.1) tentacle.lineTo(x0 + std::sin(t * 9 + k) * 0.12, t * 1.6);
        p.drawPath(tentacle);
    }
    QPainterPath bell;
    bell.moveTo(-0.85, 0.05);
    bell.cubicTo(-0.9, -0.9, 0.9, -0.9, 0.85, 0.05);
    bell.quadTo(0, -0.15, -0.85, 0.05);
    QRadialGradient glow(QPointF(-0.2, -0.45), 0.9);
    glow.setColorAt(0, QColor(255, 230, 250, 230));
    glow.setColorAt(1, QColor(230, 110, 200, 170));
    p.setPen(QPen(QColor(160, 50, 140, 200), 0.05));
    p.setBrush(glow);
    p.drawPath(bell);
    p.restore();
}

void PaintSeaweed(QPainter& p, double x, double bottom, double height, std::uint32_t seed) {
    for (int blade = 0; blade < 3; ++blade) {
        QPainterPath path;
        const double x0 = x + blade * 5 - 5;
        path.moveTo(x0, bottom);
        for (double t = 0; t <= 1.0; t += 0.1)
            path.lineTo(x0 + std::sin(t * 7 + blade + seed) * 4 * t,
                        bottom - height * t * (0.75 + 0.1 * blade));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 90, 50), 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(QColor(60, 160, 80), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
}

}  // namespace

void PaintOceanScene(QPainter& p, const QRect& area, const ThemeArt& ocean, const QString& fontFamily) {
    const double left = area.left(), right = area.right() + 1, width = area.width();
    QLinearGradient water(0, 0, 0, area.bottom());
    water.setColorAt(0, QColor(120, 190, 236));
    water.setColorAt(0.55, QColor(40, 100, 180));
    water.setColorAt(1, QColor(10, 40, 100));
    p.fillRect(area, water);

    // Sunbeams slanting down from the surface.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        const double x = left + 10 + k * 48;
        QPainterPath beam;
        beam.moveTo(x, 40);
        beam.lineTo(x + 18, 40);
        beam.lineTo(x + 80, 420);
        beam.lineTo(x + 40, 420);
        beam.closeSubpath();
        QLinearGradient fade(0, 40, 0, 420);
        fade.setColorAt(0, QColor(255, 255, 255, 60));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawPath(beam);
    }

    // The surface: the frame's own wave band.
    DrawPart(p, QPointF(left, 0), ocean.topBand(), QRectF(20, 0, width, 40));

    PaintFish(p, QPointF(left + 40, 118), 11, QColor(255, 200, 40), false);
    PaintFish(p, QPointF(left + 62, 134), 8, QColor(255, 160, 40), false);
    PaintFish(p, QPointF(left + 128, 328), 12, QColor(250, 110, 90), true);
    PaintFish(p, QPointF(left + 120, 170), 7, QColor(250, 230, 90), true);
    PaintFish(p, QPointF(left + 136, 182), 6, QColor(250, 230, 90), true);
    PaintJellyfish(p, QPointF(left + 44, 318), 20);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 9; ++k) {
        const double r = 1.6 + Hash01(k, 1, 201) * 2.6;
        const QPointF c(left + 140 + std::sin(k * 1.3) * 6, 300 - k * 26);
        p.setPen(QPen(QColor(230, 245, 255, 200), 1.0));
        p.drawEllipse(c, r, r);
    }

    // The sandy sea bed with its creatures, drawn like the stones but large.
    QPainterPath bed;
    bed.moveTo(left, 418);
    bed.cubicTo(left + 50, 400, left + 110, 430, right, 408);
    bed.lineTo(right, area.bottom() + 1);
    bed.lineTo(left, area.bottom() + 1);
    bed.closeSubpath();
    QLinearGradient sand(0, 400, 0, 480);
    sand.setColorAt(0, QColor(236, 216, 160));
    sand.setColorAt(1, QColor(196, 168, 110));
    PaintSeaweed(p, left + 18, 440, 70, 3);
    PaintSeaweed(p, left + 150, 430, 90, 7);
    p.setPen(QPen(QColor(150, 120, 70), 1));
    p.setBrush(sand);
    p.drawPath(bed);
    PaintStoneAt(p, ocean, 2, 2, QPointF(left + 6, 418), 48);
    PaintStoneAt(p, ocean, 1, 1, QPointF(left + 56, 408), 62);
    PaintStoneAt(p, ocean, 0, 1, QPointF(left + 118, 414), 50);

    // The name on a life ring of rope.
    const QPointF centre(left + width / 2, 240);
    p.setPen(QPen(QColor(240, 250, 255, 180), 1.2));
    p.setBrush(QColor(10, 40, 100, 120));
    p.drawRoundedRect(QRectF(centre.x() - 72, centre.y() - 32, 144, 46), 10, 10);
    DrawOutlinedText(p, "Ocean", TextFont(fontFamily, 36, true), centre, QColor(255, 255, 255),
                     QColor(8, 34, 90), 2.0);
}

}  // namespace artwork
