// SPDX-License-Identifier: GPL-3.0-or-later
#include "mystery_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// A sun rune: a bright disc with pointed rays.
void DrawSun(QPainter& p, int variant) {
    const int rays = variant == 3 ? 12 : 8;
    const double turn = variant == 2 ? 22.5 : 0;
    p.translate(10, 10);
    p.rotate(turn);
    QPainterPath sun;
    for (int k = 0; k < rays; ++k) {
        const double a = k * 2 * std::numbers::pi / rays;
        const double length = (variant == 3 && k % 2) ? 7.0 : 9.4;
        const double half = std::numbers::pi / rays * (rays > 8 ? 0.8 : 0.62);
        QPainterPath ray;
        ray.moveTo(4.0 * std::cos(a - half), 4.0 * std::sin(a - half));
        ray.lineTo(length * std::cos(a), length * std::sin(a));
        ray.lineTo(4.0 * std::cos(a + half), 4.0 * std::sin(a + half));
        ray.closeSubpath();
        sun = sun.united(ray);
    }
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 4.4, 4.4);
    sun = sun.united(disc);
    QRadialGradient light(QPointF(-1, -1), 9);
    light.setColorAt(0, QColor(255, 255, 235));
    light.setColorAt(0.45, QColor(255, 232, 90));
    light.setColorAt(1, QColor(255, 170, 20));
    p.setPen(QPen(QColor(140, 60, 0), 0.6));
    p.setBrush(light);
    p.drawPath(sun);
    p.setPen(QPen(QColor(200, 110, 0), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 2.4, 2.4);
}

// A glossy blue water drop.
void DrawDrop(QPainter& p, int variant) {
    p.translate(10, 12.5);
    p.rotate(variant == 2 ? -10 : (variant == 3 ? 10 : 0));
    const double r = variant == 3 ? 5.2 : 5.6;
    QPainterPath drop;
    drop.moveTo(0, -10.5);
    drop.cubicTo(1.5, -7, r, -4, r, 0.5);
    drop.cubicTo(r, 3.9, 2.9, 6.1, 0, 6.1);
    drop.cubicTo(-2.9, 6.1, -r, 3.9, -r, 0.5);
    drop.cubicTo(-r, -4, -1.5, -7, 0, -10.5);
    drop.closeSubpath();
    QRadialGradient water(QPointF(-1.5, 0), 8);
    water.setColorAt(0, QColor(170, 230, 255));
    water.setColorAt(0.5, QColor(50, 150, 255));
    water.setColorAt(1, QColor(10, 60, 200));
    p.setPen(QPen(QColor(0, 20, 90), 0.9));
    p.setBrush(water);
    p.drawPath(drop);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3.8, -2.6, 7, 7), 120 * 16, 70 * 16);
}

// A green leaf lying diagonally, with a midrib and veins.
void DrawLeaf(QPainter& p, int variant) {
    p.translate(10, 10);
    p.rotate(variant == 2 ? -12 : (variant == 3 ? 12 : 0));
    if (variant == 3) p.scale(-1, 1);
    p.rotate(-45);
    QPainterPath leaf;
    leaf.moveTo(-7.5, 0);
    leaf.cubicTo(-3, -5.6, 4, -5.2, 9, 0);
    leaf.cubicTo(4, 5.2, -3, 5.6, -7.5, 0);
    leaf.closeSubpath();
    // The stem, beyond the leaf's base.
    p.setPen(QPen(QColor(40, 80, 10), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-10, 0), QPointF(-6.5, 0));
    QLinearGradient green(0, -5, 0, 5);
    green.setColorAt(0, QColor(160, 240, 100));
    green.setColorAt(0.5, QColor(70, 190, 50));
    green.setColorAt(1, QColor(20, 110, 30));
    p.setPen(QPen(QColor(6, 50, 10), 0.9));
    p.setBrush(green);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(220, 255, 170), 0.7));
    p.drawLine(QPointF(-7, 0), QPointF(7.5, 0));
    p.setPen(QPen(QColor(200, 250, 150), 0.5));
    for (double x = -3.5; x <= 4.5; x += 2.8) {
        p.drawLine(QPointF(x, 0), QPointF(x + 2.2, -3.0));
        p.drawLine(QPointF(x, 0), QPointF(x + 2.2, 3.0));
    }
}

}  // namespace

void MysteryArt::paintStone(QPainter& painter, int set, int variant) const {
    painter.save();
    if (set == 0)
        DrawSun(painter, variant);
    else if (set == 1)
        DrawDrop(painter, variant);
    else
        DrawLeaf(painter, variant);
    painter.restore();
}

QImage MysteryArt::stone(int set, int variant, bool highlighted) const {
    const QImage drawing = RenderSmooth(
        fieldSize, fieldSize, [this, set, variant](QPainter& p) { paintStone(p, set, variant); }, 4, scale());
    if (highlighted) return WithShadow(drawing, QPoint(1, 1), QColor(70, 0, 110, 150));
    // On the dark board a faint glow of the stone's own light replaces a shadow.
    static const QColor glows[] = {QColor(255, 190, 60, 110), QColor(80, 160, 255, 110),
                                   QColor(110, 220, 80, 100)};
    return Halo(drawing, 1.6, glows[set]);
}

}  // namespace artwork
