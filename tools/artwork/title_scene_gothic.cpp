// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering.h"
#include "raster.h"
#include "title_scenes.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

// Ashlar courses 20 high with blocks 40 long, every other course shifted by half a block.
void PaintWall(QPainter& p, const QRect& area) {
    const int scale = static_cast<int>(std::lround(p.device()->devicePixelRatio()));
    QImage wall = Transparent(area.width(), area.height(), scale);
    // Joints and arrises keep their logical pixels; the stone's tone is read at every pixel.
    PaintTexture(wall, LogicalRect(wall), [&area](double x, double y) {
        const double fx = x + area.left(), fy = y + area.top();
        const int gx = static_cast<int>(std::floor(fx)), gy = static_cast<int>(std::floor(fy));
        const int course = gy / 20, shift = (course % 2) * 20;
        const int block = (gx + shift) / 40;
        const int bx = (gx + shift) % 40, by = gy % 20;
        const double tone =
            0.92 + Hash01(block, course, 301) * 0.14 + (Fractal(fx / 3.0, fy / 3.0, 303, 3) - 0.5) * 0.12;
        QColor c = Scaled(QColor(150, 146, 132), tone);
        if (by == 0 || bx == 0)
            c = QColor(84, 82, 72);
        else if (by == 1 || bx == 1)
            c = Scaled(c, 1.15);
        else if (by == 19 || bx == 39)
            c = Scaled(c, 0.78);
        return c;
    });
    p.drawImage(area.topLeft(), wall);
}

QPainterPath Lancet(double cx, double halfWidth, double top, double bottom) {
    QPainterPath path;
    const double springing = top + halfWidth * 1.5;
    path.moveTo(cx - halfWidth, bottom);
    path.lineTo(cx - halfWidth, springing);
    path.quadTo(cx - halfWidth, top + halfWidth * 0.4, cx, top);
    path.quadTo(cx + halfWidth, top + halfWidth * 0.4, cx + halfWidth, springing);
    path.lineTo(cx + halfWidth, bottom);
    path.closeSubpath();
    return path;
}

// A stained-glass lancet window in a moulded stone surround.
void PaintWindow(QPainter& p, double cx, double halfWidth, double top, double bottom, std::uint32_t seed) {
    static const QColor glass[] = {QColor(30, 70, 190), QColor(200, 30, 40),  QColor(240, 190, 40),
                                   QColor(40, 150, 80), QColor(60, 110, 220), QColor(150, 40, 150)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 68, 60));
    p.drawPath(Lancet(cx, halfWidth + 6, top - 6, bottom + 4));
    p.setBrush(QColor(186, 182, 168));
    p.drawPath(Lancet(cx, halfWidth + 4, top - 4, bottom + 2));
    p.setBrush(QColor(30, 30, 34));
    const QPainterPath opening = Lancet(cx, halfWidth, top, bottom);
    p.drawPath(opening);
    p.save();
    p.setClipPath(opening);
    const double pane = 9;
    for (double y = top; y < bottom; y += pane)
        for (double x = cx - halfWidth; x < cx + halfWidth; x += pane) {
            const int k = static_cast<int>(Hash01(static_cast<int>(x), static_cast<int>(y), seed) * 6);
            QRadialGradient light(QPointF(cx, (top + bottom) / 2), (bottom - top) * 0.7);
            light.setColorAt(0, Mix(glass[k], Qt::white, 0.45));
            light.setColorAt(1, glass[k]);
            p.setBrush(light);
            p.drawRect(QRectF(x + 0.8, y + 0.8, pane - 1.6, pane - 1.6));
        }
    // Mullion and a round tracery light at the head.
    p.setBrush(QColor(186, 182, 168));
    p.drawRect(QRectF(cx - 1.5, top + halfWidth * 1.6, 3, bottom - top));
    p.restore();
    const double r = halfWidth * 0.55;
    const QPointF rose(cx, top + halfWidth * 1.1);
    p.setPen(QPen(QColor(186, 182, 168), 2.2));
    QRadialGradient roseGlass(rose, r);
    roseGlass.setColorAt(0, QColor(255, 230, 140));
    roseGlass.setColorAt(1, QColor(200, 40, 50));
    p.setBrush(roseGlass);
    p.drawEllipse(rose, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(186, 182, 168));
    p.drawRect(QRectF(cx - halfWidth, top + halfWidth * 1.55, 2 * halfWidth, 2.5));
}

}  // namespace

void PaintGothicScene(QPainter& p, const QRect& area, const ThemeArt& gothic, const QString& fontFamily) {
    PaintWall(p, area);
    // Shade the top so the name in front of it reads well.
    QLinearGradient dusk(0, 0, 0, 110);
    dusk.setColorAt(0, QColor(30, 28, 24, 150));
    dusk.setColorAt(1, QColor(30, 28, 24, 0));
    p.fillRect(area, dusk);

    const double cx = area.center().x() + 0.5;
    PaintWindow(p, cx - 86, 17, 134, 206, 311);
    PaintWindow(p, cx, 27, 116, 206, 313);
    PaintWindow(p, cx + 86, 17, 134, 206, 317);
    // A sill across the windows, and the frame's arcade as a cornice along the bottom.
    p.fillRect(QRectF(area.left(), 210, area.width(), 5), QColor(176, 172, 158));
    p.fillRect(QRectF(area.left(), 215, area.width(), 2), QColor(70, 68, 60));
    const QImage arcade = gothic.topBand();
    DrawPart(p, QPointF(area.left(), area.bottom() - 39), arcade, QRectF(0, 0, area.width(), 40));
    // Rosettes of the frame's corners at both ends of the cornice.
    const QImage rosette = gothic.corner();
    p.drawImage(QPointF(area.left(), area.bottom() - 39), rosette);
    p.drawImage(QPointF(area.right() - 39, area.bottom() - 39), rosette);

    const QPointF label(cx, 251);
    p.setPen(QPen(QColor(40, 38, 34), 1));
    p.setBrush(QColor(226, 220, 200));
    p.drawRect(QRectF(label.x() - 56, label.y() - 27, 112, 33));
    p.setPen(QPen(QColor(150, 146, 130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(label.x() - 53, label.y() - 24, 106, 27));
    DrawOutlinedText(p, "Gothic", TextFont(fontFamily, 26, true), QPointF(label.x(), label.y() - 2),
                     QColor(60, 56, 48), QColor(240, 236, 222), 0.8);
}

}  // namespace artwork
