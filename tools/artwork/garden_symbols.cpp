// SPDX-License-Identifier: GPL-3.0-or-later
#include "garden_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// A red tulip seen from the side, on a stem with one leaf.
void DrawTulip(QPainter& p, int variant) {
    p.translate(10, 19);
    p.rotate(variant == 2 ? -9 : (variant == 3 ? 8 : 0));
    const double leafSide = variant == 2 ? 1 : -1;
    // Stem and leaf.
    p.setPen(QPen(QColor(16, 70, 16), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -8));
    p.setPen(QPen(QColor(60, 150, 50), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -8));
    QPainterPath leaf;
    leaf.moveTo(0, -0.5);
    leaf.quadTo(leafSide * 6.5, -2.5, leafSide * 5.5, -8.5);
    leaf.quadTo(leafSide * 2.5, -4.5, 0, -0.5);
    p.setPen(QPen(QColor(16, 70, 16), 0.7));
    p.setBrush(QColor(70, 160, 56));
    p.drawPath(leaf);
    // The cup: three petal tips with two notches.
    QPainterPath cup;
    cup.moveTo(-5.2, -15.8);
    cup.lineTo(-2.6, -13.4);
    cup.lineTo(0, -16.8);
    cup.lineTo(2.6, -13.4);
    cup.lineTo(5.2, -15.8);
    cup.cubicTo(6.0, -11.0, 5.0, -7.0, 0, -6.8);
    cup.cubicTo(-5.0, -7.0, -6.0, -11.0, -5.2, -15.8);
    cup.closeSubpath();
    QLinearGradient red(-5, -16, 5, -7);
    red.setColorAt(0, QColor(255, 120, 110));
    red.setColorAt(0.5, QColor(228, 24, 36));
    red.setColorAt(1, QColor(140, 0, 16));
    p.setPen(QPen(QColor(90, 0, 10), 0.9));
    p.setBrush(red);
    p.drawPath(cup);
    // The front petal, a shade lighter.
    QPainterPath front;
    front.moveTo(0, -15.6);
    front.cubicTo(2.8, -13.0, 2.6, -8.6, 0, -7.4);
    front.cubicTo(-2.6, -8.6, -2.8, -13.0, 0, -15.6);
    p.setPen(QPen(QColor(150, 0, 20), 0.5));
    p.setBrush(QColor(250, 70, 70));
    p.drawPath(front);
}

// A blue forget-me-not from above: five round petals, white ring, yellow eye.
void DrawForgetMeNot(QPainter& p, int variant) {
    const double turn = variant == 2 ? 24 : (variant == 3 ? 48 : 0);
    const double size = variant == 3 ? 0.93 : 1.0;
    const QPointF c(10, 10);
    p.translate(c);
    p.scale(size, size);
    p.rotate(turn);
    QPainterPath petals;
    for (int k = 0; k < 5; ++k) {
        const double a = (k * 72 - 90) * std::numbers::pi / 180;
        QPainterPath one;
        one.addEllipse(QPointF(4.6 * std::cos(a), 4.6 * std::sin(a)), 4.1, 4.1);
        petals = petals.united(one);
    }
    QRadialGradient blue(QPointF(-2, -2), 10);
    blue.setColorAt(0, QColor(150, 195, 255));
    blue.setColorAt(0.5, QColor(50, 110, 235));
    blue.setColorAt(1, QColor(20, 50, 170));
    p.setPen(QPen(QColor(8, 24, 100), 0.9));
    p.setBrush(blue);
    p.drawPath(petals);
    // Veins between petals give the five-fold shape at a glance.
    p.setPen(QPen(QColor(20, 50, 160), 0.6));
    for (int k = 0; k < 5; ++k) {
        const double a = (k * 72 - 54) * std::numbers::pi / 180;
        p.drawLine(QPointF(2.4 * std::cos(a), 2.4 * std::sin(a)),
                   QPointF(5.2 * std::cos(a), 5.2 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(0, 0), 2.5, 2.5);
    p.setPen(QPen(QColor(160, 100, 0), 0.4));
    p.setBrush(QColor(255, 210, 30));
    p.drawEllipse(QPointF(0, 0), 1.4, 1.4);
}

// A yellow sunflower: a ring of pointed petals round a large brown disc.
void DrawSunflower(QPainter& p, int variant) {
    const int petals = variant == 2 ? 11 : (variant == 3 ? 13 : 12);
    const double turn = variant * 9.0;
    p.translate(10, 10);
    for (int layer = 0; layer < 2; ++layer)
        for (int k = 0; k < petals; ++k) {
            p.save();
            p.rotate(turn + (k + layer * 0.5) * 360.0 / petals);
            QPainterPath petal;
            petal.moveTo(0, -3);
            petal.quadTo(2.3, -6.2, 0, -9.4);
            petal.quadTo(-2.3, -6.2, 0, -3);
            QLinearGradient yellow(0, -3, 0, -9);
            yellow.setColorAt(0, layer ? QColor(255, 190, 0) : QColor(220, 130, 0));
            yellow.setColorAt(1, layer ? QColor(255, 240, 90) : QColor(250, 200, 20));
            p.setPen(QPen(QColor(150, 70, 0), 0.6));
            p.setBrush(yellow);
            p.drawPath(petal);
            p.restore();
        }
    QRadialGradient disc(QPointF(-1, -1), 4.5);
    disc.setColorAt(0, QColor(150, 90, 30));
    disc.setColorAt(1, QColor(70, 36, 8));
    p.setPen(QPen(QColor(50, 24, 0), 0.7));
    p.setBrush(disc);
    p.drawEllipse(QPointF(0, 0), 3.7, 3.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 0));
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        p.drawEllipse(QPointF(1.8 * std::cos(a), 1.8 * std::sin(a)), 0.45, 0.45);
    }
}

}  // namespace

void GardenArt::paintStone(QPainter& painter, int set, int variant) const {
    painter.save();
    if (set == 0)
        DrawTulip(painter, variant);
    else if (set == 1)
        DrawForgetMeNot(painter, variant);
    else
        DrawSunflower(painter, variant);
    painter.restore();
}

QImage GardenArt::stone(int set, int variant, bool highlighted) const {
    const QImage drawing = RenderSmooth(
        fieldSize, fieldSize, [this, set, variant](QPainter& p) { paintStone(p, set, variant); }, 4, scale());
    if (highlighted) return WithShadow(drawing, QPoint(1, 1), QColor(150, 70, 0, 150));
    return WithShadow(drawing, QPoint(1, 1), QColor(20, 60, 10, 120));
}

}  // namespace artwork
