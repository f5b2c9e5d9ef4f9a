// SPDX-License-Identifier: GPL-3.0-or-later
#include "lettering.h"
#include "raster.h"
#include "title_scenes.h"

#include <QLinearGradient>

#include <cmath>

namespace artwork {

void PaintGardenScene(QPainter& p, const QRect& area, const ThemeArt& garden, const QString& fontFamily) {
    // A mown lawn: broad stripes of two greens.
    auto lawn = [](int x, int y, double gx, double gy) {
        const bool stripe = ((x - y / 2) / 26) % 2 == 0;
        const double grain = Fractal(gx * 0.7, gy * 0.18, 401, 2) - 0.5;
        const QColor base = stripe ? QColor(120, 182, 76) : QColor(104, 166, 62);
        return Scaled(base, 1.0 + grain * 0.14);
    };
    const int scale = static_cast<int>(std::lround(p.device()->devicePixelRatio()));
    if (scale == 1) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                p.setPen(lawn(x, y, x, y));
                p.drawPoint(x, y);
            }
    } else {
        // The stripes keep their logical edges; the grain is read at every pixel of the twin.
        QImage grass = Transparent(area.width(), area.height(), scale);
        PaintTexture(grass, LogicalRect(grass), [&](double x, double y) {
            const double gx = x + area.left(), gy = y + area.top();
            return lawn(static_cast<int>(std::floor(gx)), static_cast<int>(std::floor(gy)), gx, gy);
        });
        p.drawImage(area.topLeft(), grass);
    }
    // The frame's hedge with its timber edging closes the garden off from the wall above.
    DrawPart(p, QPointF(area.left(), area.top()), garden.topBand(), QRectF(10, 0, area.width(), 40));

    // A bed of all three flowers along the bottom, as the stones but large.
    const double bedTop = 420;
    p.setPen(QPen(QColor(90, 56, 24), 1.5));
    p.setBrush(QColor(120, 80, 44));
    p.drawRoundedRect(QRectF(area.left() + 8, bedTop, 240, 50), 8, 8);
    for (int k = 0; k < 6; ++k) {
        const int set = k % 3;
        PaintStoneAt(p, garden, set, 1 + (k / 3), QPointF(area.left() + 10 + k * 39.5, bedTop + 3), 42);
    }
    // More flowers scattered on the lawn.
    PaintStoneAt(p, garden, 0, 2, QPointF(area.left() + 20, 310), 34);
    PaintStoneAt(p, garden, 1, 3, QPointF(area.left() + 210, 312), 30);
    PaintStoneAt(p, garden, 2, 3, QPointF(area.left() + 204, 350), 36);
    PaintStoneAt(p, garden, 1, 1, QPointF(area.left() + 14, 368), 28);

    // The name on a wooden sign on a post.
    const QPointF sign(area.left() + 128, 372);
    p.setPen(QPen(QColor(70, 44, 16), 1.2));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(sign.x() - 4, sign.y(), 8, 44));
    QLinearGradient pine(0, sign.y() - 32, 0, sign.y() + 8);
    pine.setColorAt(0, QColor(244, 222, 174));
    pine.setColorAt(1, QColor(214, 176, 116));
    p.setBrush(pine);
    p.drawRoundedRect(QRectF(sign.x() - 66, sign.y() - 34, 132, 44), 4, 4);
    p.setBrush(QColor(160, 160, 155));
    for (const QPointF& nail : {QPointF(-60, -28), QPointF(60, -28), QPointF(-60, 4), QPointF(60, 4)})
        p.drawEllipse(sign + nail, 1.6, 1.6);
    DrawOutlinedText(p, "Garden", TextFont(fontFamily, 28, true), QPointF(sign.x(), sign.y() - 2),
                     QColor(30, 100, 20), QColor(250, 240, 210), 0.8);
}

}  // namespace artwork
