// SPDX-License-Identifier: GPL-3.0-or-later
#include "ocean_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// A dark violet sea urchin: a round body bristling with spines of uneven length.
void DrawUrchin(QPainter& p, int variant) {
    const int spines = 14 + 2 * variant;
    p.translate(10, 10);
    p.rotate(variant * 7.0);
    for (int k = 0; k < spines; ++k) {
        const double a = k * 2 * std::numbers::pi / spines;
        const double length = 7.6 + Hash01(k, variant, 131) * 1.8;
        const QPointF tip(length * std::cos(a), length * std::sin(a));
        p.setPen(QPen(QColor(30, 6, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), tip);
        p.setPen(QPen(QColor(150, 90, 190), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.0 * std::cos(a), 3.0 * std::sin(a)), tip * 0.97);
    }
    QRadialGradient body(QPointF(-1.6, -1.6), 6);
    body.setColorAt(0, QColor(170, 100, 200));
    body.setColorAt(0.5, QColor(90, 30, 110));
    body.setColorAt(1, QColor(36, 6, 46));
    p.setPen(QPen(QColor(24, 0, 30), 0.8));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 4.9, 4.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 180, 240, 200));
    p.drawEllipse(QPointF(-1.8, -1.8), 1.0, 0.8);
}

// An orange starfish with rounded arms and a pale dotted back.
void DrawStarfish(QPainter& p, int variant) {
    const double turn = variant == 2 ? -12 : (variant == 3 ? 14 : 0);
    const QPainterPath star = StarPath(QPointF(10, 10.6), 5, 8.2, 3.4, turn);
    QPainterPathStroker round;
    round.setWidth(2.0);
    round.setJoinStyle(Qt::RoundJoin);
    const QPainterPath shape = star.united(round.createStroke(star)).simplified();
    QRadialGradient orange(QPointF(9, 9), 10);
    orange.setColorAt(0, QColor(255, 196, 90));
    orange.setColorAt(0.6, QColor(246, 120, 20));
    orange.setColorAt(1, QColor(200, 70, 0));
    p.setPen(QPen(QColor(110, 30, 0), 0.9));
    p.setBrush(orange);
    p.drawPath(shape);
    // A row of bumps along every arm.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 170));
    for (int arm = 0; arm < 5; ++arm) {
        const double a = (turn - 90 + arm * 72) * std::numbers::pi / 180;
        for (double r = 2.0; r <= 6.5; r += 2.2)
            p.drawEllipse(QPointF(10 + r * std::cos(a), 10.6 + r * std::sin(a)), 0.65, 0.65);
    }
}

// A scallop shell: a ribbed fan above two small hinge ears.
void DrawShell(QPainter& p, int variant) {
    p.translate(10, 17.5);
    p.rotate(variant == 2 ? -9 : (variant == 3 ? 9 : 0));
    const QColor edge = variant == 3 ? QColor(230, 120, 130) : QColor(236, 136, 110);
    QPainterPath fan;
    fan.moveTo(0, 0);
    fan.lineTo(-7.6, -8.0);
    fan.cubicTo(-8.6, -13.6, -3.6, -15.6, 0, -15.6);
    fan.cubicTo(3.6, -15.6, 8.6, -13.6, 7.6, -8.0);
    fan.closeSubpath();
    QPainterPath ears;
    ears.moveTo(-4.2, 0.8);
    ears.lineTo(4.2, 0.8);
    ears.lineTo(3.2, -2.2);
    ears.lineTo(-3.2, -2.2);
    ears.closeSubpath();
    QRadialGradient shell(QPointF(0, -2), 15);
    shell.setColorAt(0, QColor(255, 250, 240));
    shell.setColorAt(0.55, QColor(252, 222, 200));
    shell.setColorAt(1, edge);
    p.setPen(QPen(QColor(120, 44, 40), 0.9));
    p.setBrush(shell);
    p.drawPath(ears);
    p.drawPath(fan);
    // Ribs fanning out from the hinge.
    p.save();
    p.setClipPath(fan);
    p.setPen(QPen(QColor(170, 80, 70), 0.7));
    for (int k = -3; k <= 3; ++k) {
        const double a = (-90 + k * 15.5) * std::numbers::pi / 180;
        p.drawLine(QPointF(0, 0), QPointF(18 * std::cos(a), 18 * std::sin(a)));
    }
    p.restore();
}

}  // namespace

void OceanArt::paintStone(QPainter& painter, int set, int variant) const {
    painter.save();
    if (set == 0)
        DrawUrchin(painter, variant);
    else if (set == 1)
        DrawStarfish(painter, variant);
    else
        DrawShell(painter, variant);
    painter.restore();
}

QImage OceanArt::stone(int set, int variant, bool highlighted) const {
    const QImage drawing = RenderSmooth(
        fieldSize, fieldSize, [this, set, variant](QPainter& p) { paintStone(p, set, variant); }, 4, scale());
    if (highlighted) return WithShadow(drawing, QPoint(1, 1), QColor(150, 70, 0, 150));
    return WithShadow(drawing, QPoint(1, 1), QColor(20, 50, 100, 110));
}

}  // namespace artwork
