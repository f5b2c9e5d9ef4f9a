// SPDX-License-Identifier: GPL-3.0-or-later
#include "gothic_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace artwork {

namespace {

// A golden ring with a set stone; variants turn the ring and change the gem.
void DrawRing(QPainter& p, int variant) {
    static const QColor gems[] = {QColor(220, 20, 40), QColor(20, 170, 90), QColor(230, 230, 255)};
    const double turn = variant == 2 ? 28 : (variant == 3 ? -22 : 0);
    p.translate(10, 10.6);
    p.rotate(turn);
    QPainterPath band;
    band.addEllipse(QPointF(0, 0), 7.4, 7.0);
    band.addEllipse(QPointF(0, 0.3), 4.4, 4.1);
    band.setFillRule(Qt::OddEvenFill);
    QLinearGradient gold(-7, -7, 7, 7);
    gold.setColorAt(0, QColor(255, 246, 170));
    gold.setColorAt(0.45, QColor(236, 180, 40));
    gold.setColorAt(1, QColor(140, 88, 10));
    p.setPen(QPen(QColor(74, 44, 4), 0.9));
    p.setBrush(gold);
    p.drawPath(band);
    // Sheen on the upper left of the band.
    p.setPen(QPen(QColor(255, 255, 225, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6.0, -5.7, 12, 11.4), 100 * 16, 70 * 16);
    // The gem in its setting on top of the ring.
    const QColor gem = gems[variant - 1];
    p.setPen(QPen(QColor(74, 44, 4), 0.8));
    p.setBrush(QColor(220, 170, 40));
    p.drawEllipse(QPointF(0, -7.0), 3.0, 2.4);
    QRadialGradient shine(QPointF(-0.7, -7.8), 2.6);
    shine.setColorAt(0, Mix(gem, Qt::white, 0.75));
    shine.setColorAt(0.5, gem);
    shine.setColorAt(1, Scaled(gem, 0.5));
    p.setPen(QPen(Scaled(gem, 0.35), 0.6));
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, -7.2), 2.0, 1.7);
}

// A crimson cross pattee: arms widening to the ends.
void DrawCross(QPainter& p, int variant) {
    const double turn = variant == 2 ? -7 : (variant == 3 ? 7 : 0);
    p.translate(10, 10);
    p.rotate(turn);
    QPainterPath cross;
    const double reach = 8.3, inner = 1.7, outer = variant == 3 ? 4.2 : 3.7;
    for (int arm = 0; arm < 4; ++arm) {
        QPainterPath a;
        a.moveTo(-inner, 0);
        a.lineTo(-outer, -reach);
        a.quadTo(0, -reach + 1.3, outer, -reach);
        a.lineTo(inner, 0);
        a.closeSubpath();
        cross = cross.united(QTransform().rotate(90.0 * arm).map(a));
    }
    cross = cross.united([] {
        QPainterPath hub;
        hub.addRect(QRectF(-2.2, -2.2, 4.4, 4.4));
        return hub;
    }());
    QLinearGradient red(-8, -8, 8, 8);
    red.setColorAt(0, QColor(255, 110, 100));
    red.setColorAt(0.45, QColor(205, 20, 35));
    red.setColorAt(1, QColor(110, 0, 15));
    p.setPen(QPen(QColor(55, 0, 8), 0.9));
    p.setBrush(red);
    p.drawPath(cross);
    if (variant == 2) {
        // A small golden boss in the middle.
        p.setPen(QPen(QColor(90, 50, 0), 0.5));
        p.setBrush(QColor(250, 200, 70));
        p.drawEllipse(QPointF(0, 0), 1.6, 1.6);
    } else {
        p.setPen(QPen(QColor(255, 180, 170, 170), 0.8));
        p.drawLine(QPointF(-0.2, -6.5), QPointF(-0.2, -2.5));
        p.drawLine(QPointF(-6.5, -0.2), QPointF(-2.5, -0.2));
    }
}

// A blue-glazed amphora with two handles; variants differ in belly and decoration.
void DrawAmphora(QPainter& p, int variant) {
    const double belly = variant == 2 ? 5.9 : (variant == 3 ? 4.8 : 5.4);
    p.translate(10, 0);
    p.rotate(variant == 3 ? 4 : 0);
    const QColor outline(8, 26, 66);
    // Handles behind the body.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handles;
    handles.moveTo(-1.6, 5.0);
    handles.cubicTo(-5.6, 4.0, -6.2, 6.5, -4.4, 8.6);
    handles.moveTo(1.6, 5.0);
    handles.cubicTo(5.6, 4.0, 6.2, 6.5, 4.4, 8.6);
    p.drawPath(handles);
    p.setPen(QPen(QColor(60, 130, 210), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handles);

    QPainterPath body;
    body.moveTo(-2.6, 2.4);
    body.lineTo(2.6, 2.4);
    body.lineTo(2.0, 3.6);
    body.lineTo(1.6, 6.2);
    body.cubicTo(belly + 1.4, 7.4, belly + 0.6, 13.0, 1.3, 16.2);
    body.lineTo(2.8, 17.8);
    body.lineTo(-2.8, 17.8);
    body.lineTo(-1.3, 16.2);
    body.cubicTo(-belly - 0.6, 13.0, -belly - 1.4, 7.4, -1.6, 6.2);
    body.lineTo(-2.0, 3.6);
    body.closeSubpath();
    QLinearGradient glaze(-belly, 0, belly, 0);
    glaze.setColorAt(0, QColor(40, 110, 200));
    glaze.setColorAt(0.3, QColor(130, 200, 255));
    glaze.setColorAt(0.6, QColor(30, 100, 195));
    glaze.setColorAt(1, QColor(12, 40, 110));
    p.setPen(QPen(outline, 0.9));
    p.setBrush(glaze);
    p.drawPath(body);
    // A decorated band round the shoulder.
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(-8, 8.6, 16, 1.5));
    if (variant == 2) {
        p.setBrush(QColor(250, 230, 150));
        for (double x = -3.5; x <= 3.6; x += 2.3) p.drawEllipse(QPointF(x, 12.2), 0.7, 0.7);
    } else if (variant == 3) {
        p.setPen(QPen(QColor(250, 220, 120), 0.7));
        p.setBrush(Qt::NoBrush);
        QPainterPath zig;
        zig.moveTo(-5, 12.5);
        for (int i = 0; i < 10; ++i) zig.lineTo(-4 + i, i % 2 ? 11.6 : 13.0);
        p.drawPath(zig);
    }
    p.restore();
}

}  // namespace

void GothicArt::paintStone(QPainter& painter, int set, int variant) const {
    painter.save();
    if (set == 0)
        DrawRing(painter, variant);
    else if (set == 1)
        DrawCross(painter, variant);
    else
        DrawAmphora(painter, variant);
    painter.restore();
}

QImage GothicArt::stone(int set, int variant, bool highlighted) const {
    const QImage drawing = RenderSmooth(
        fieldSize, fieldSize, [this, set, variant](QPainter& p) { paintStone(p, set, variant); }, 4, scale());
    if (highlighted) return WithShadow(drawing, QPoint(1, 1), QColor(150, 70, 0, 150));
    return WithShadow(drawing, QPoint(1, 1), QColor(60, 55, 45, 110));
}

}  // namespace artwork
