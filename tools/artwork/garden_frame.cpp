// SPDX-License-Identifier: GPL-3.0-or-later
#include "garden_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// Leaves scattered along a strip `length` long and `depth` deep, lighter towards the light.
void DrawFoliage(QPainter& p, double length, double depth, std::uint32_t seed) {
    static const QColor greens[] = {QColor(22, 78, 22), QColor(34, 100, 30), QColor(48, 122, 40),
                                    QColor(70, 145, 52), QColor(98, 170, 70)};
    const int count = static_cast<int>(length * depth / 9);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = Hash01(i, 1, seed) * length, y = Hash01(i, 2, seed) * depth;
        const double angle = Hash01(i, 3, seed) * 360;
        const double size = 2.2 + Hash01(i, 4, seed) * 1.8;
        // Later leaves lie on top; brighter ones come later so the hedge has depth.
        const int tone = std::min(4, static_cast<int>(i * 5.0 / count + Hash01(i, 5, seed) * 1.2));
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        p.setBrush(greens[tone]);
        p.drawEllipse(QPointF(0, 0), size, size * 0.5);
        p.setBrush(Scaled(greens[tone], 0.7));
        p.drawRect(QRectF(-size, -0.15, size * 1.7, 0.3));
        p.restore();
    }
}

void DrawBlossom(QPainter& p, QPointF centre, double radius, const QColor& petal, int petals, double turn) {
    p.setPen(QPen(Scaled(petal, 0.6), radius * 0.08));
    for (int k = 0; k < petals; ++k) {
        const double a = (turn + k * 360.0 / petals) * std::numbers::pi / 180;
        QRadialGradient shade(centre, radius * 1.1);
        shade.setColorAt(0, Scaled(petal, 0.75));
        shade.setColorAt(1, Mix(petal, Qt::white, 0.35));
        p.setBrush(shade);
        p.drawEllipse(
            QPointF(centre.x() + radius * 0.5 * std::cos(a), centre.y() + radius * 0.5 * std::sin(a)),
            radius * 0.52, radius * 0.52);
    }
    p.setPen(QPen(QColor(150, 90, 0), radius * 0.06));
    p.setBrush(QColor(255, 214, 40));
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

}  // namespace

std::array<QString, symbolSetCount> GardenArt::setNames() const { return {"Červené", "Modré", "Žluté"}; }

QImage GardenArt::field() const {
    QImage image = Solid(fieldSize, fieldSize, QColor(146, 194, 98), scale());
    // Grass grain: stretched vertically, so it reads as blades rather than spots.
    PaintTexture(image, QRect(1, 1, fieldSize - 2, fieldSize - 2), [](double x, double y) {
        const double n = Fractal(x * 0.9, y * 0.22, 51, 2) - 0.5;
        return Scaled(QColor(146, 194, 98), 1.0 + n * 0.16);
    });
    BevelEdges(image, LogicalRect(image), QColor(184, 222, 138), QColor(96, 144, 60));
    return image;
}

QImage GardenArt::highlightField() const {
    QImage image = RenderSmooth(
        fieldSize, fieldSize,
        [](QPainter& p) {
            QRadialGradient sun(QPointF(10, 10), 13.5);
            sun.setColorAt(0, QColor(255, 255, 245));
            sun.setColorAt(0.5, QColor(255, 250, 200));
            sun.setColorAt(0.8, QColor(255, 215, 120));
            sun.setColorAt(1, QColor(250, 160, 60));
            p.fillRect(QRectF(0, 0, 20, 20), sun);
        },
        4, scale());
    BevelEdges(image, LogicalRect(image), QColor(255, 250, 210), QColor(170, 80, 0));
    return image;
}

QImage GardenArt::topBand() const {
    QImage band = Solid(boardPixels, bandWidth, QColor(30, 86, 28), scale());
    const QImage hedge = RenderSmooth(
        boardPixels, bandWidth,
        [](QPainter& p) {
            DrawFoliage(p, boardPixels, 32, 61);
            // Small white and pink flowers in the hedge, one every 40 pixels, staggered.
            for (int k = 0; k < boardPixels / 40; ++k) {
                const double x = 20 + 40 * k + (Hash01(k, 7, 71) - 0.5) * 10;
                const double y = 10 + Hash01(k, 8, 71) * 14;
                DrawBlossom(p, QPointF(x, y), 3.2, k % 2 ? QColor(255, 170, 200) : QColor(250, 250, 250), 5,
                            k * 17.0);
            }
            // Timber edging towards the lawn.
            QLinearGradient wood(0, 32, 0, 38);
            wood.setColorAt(0, QColor(214, 168, 104));
            wood.setColorAt(0.5, QColor(176, 124, 66));
            wood.setColorAt(1, QColor(120, 78, 36));
            p.setPen(Qt::NoPen);
            p.setBrush(wood);
            p.drawRect(QRectF(0, 32, boardPixels, 6.5));
            p.setPen(QPen(QColor(110, 70, 30, 150), 0.4));
            for (int x = 0; x < boardPixels; x += 40)
                p.drawLine(QPointF(x + 0.5, 32), QPointF(x + 0.5, 38.5));
        },
        4, scale());
    DrawOver(band, hedge);
    for (int x = 0; x < boardPixels; ++x) {
        SetPixel(band, x, 0, QColor(10, 40, 10));
        SetPixel(band, x, 38, QColor(82, 50, 20));
        SetPixel(band, x, 39, QColor(40, 70, 24));
    }
    return band;
}

QImage GardenArt::corner() const {
    QImage corner = Solid(bandWidth, bandWidth, QColor(30, 86, 28), scale());
    const QImage art = RenderSmooth(
        bandWidth, bandWidth,
        [](QPainter& p) {
            DrawFoliage(p, 40, 40, 81);
            // A wooden post cap where the edgings meet, and a rose on it.
            p.setPen(QPen(QColor(90, 56, 20), 1));
            QLinearGradient wood(26, 26, 40, 40);
            wood.setColorAt(0, QColor(222, 178, 114));
            wood.setColorAt(1, QColor(130, 84, 40));
            p.setBrush(wood);
            p.drawRect(QRectF(28.5, 28.5, 11, 11));
            DrawBlossom(p, QPointF(17, 17), 12, QColor(240, 60, 110), 5, 10);
            DrawBlossom(p, QPointF(17, 17), 7, QColor(255, 120, 160), 5, 46);
        },
        4, scale());
    DrawOver(corner, art);
    for (int i = 0; i < bandWidth; ++i) {
        SetPixel(corner, i, 0, QColor(10, 40, 10));
        SetPixel(corner, 0, i, QColor(10, 40, 10));
    }
    return corner;
}

QImage GardenArt::panel(const QImage& bandBehind) const {
    QImage panel = bandBehind.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect sign(2, 3, 236, 33);
    // Light pine boards with a fine grain running along them.
    PaintTexture(panel, sign, [](double x, double y) {
        const double grain = Fractal(x * 0.05, y * 0.9, 91, 3);
        const double rings = 0.5 + 0.5 * std::sin(x * 0.06 + grain * 9);
        return Mix(QColor(240, 216, 166), QColor(218, 184, 124), rings * 0.7);
    });
    // The joint between the two boards, between the two name rows.
    for (int x = sign.left(); x <= sign.right(); ++x) SetPixel(panel, x, 19, QColor(200, 164, 108));
    BevelEdges(panel, sign, QColor(60, 36, 12), QColor(60, 36, 12));
    BevelEdges(panel, sign.adjusted(1, 1, -1, -1), QColor(250, 234, 196), QColor(170, 126, 70));
    const QImage nails = RenderSmooth(
        LogicalSize(panel).width(), LogicalSize(panel).height(),
        [](QPainter& p) {
            p.setPen(QPen(QColor(70, 60, 50), 0.5));
            p.setBrush(QColor(170, 170, 165));
            for (const QPointF& c :
                 {QPointF(6, 7.5), QPointF(6, 31.5), QPointF(234, 7.5), QPointF(234, 31.5)})
                p.drawEllipse(c, 1.6, 1.6);
            // A twig of leaves between the scores and the icon.
            p.setPen(QPen(QColor(110, 80, 40), 0.8));
            p.drawLine(QPointF(120, 20), QPointF(180, 20));
            p.setPen(Qt::NoPen);
            for (int k = 0; k < 5; ++k) {
                const double x = 126 + k * 12;
                p.setBrush(k % 2 ? QColor(60, 140, 50) : QColor(40, 112, 36));
                p.save();
                p.translate(x, 20);
                p.rotate(k % 2 ? 35 : -35);
                p.drawEllipse(QPointF(3.5, 0), 3.6, 1.6);
                p.restore();
            }
            p.setBrush(QColor(230, 40, 70));
            p.drawEllipse(QPointF(183, 20), 2.2, 2.2);
        },
        4, scale());
    DrawOver(panel, nails);
    const QRect niche(325 - panelLeft - 2, 8, 24, 24);
    BevelEdges(panel, niche, QColor(120, 84, 40), QColor(252, 238, 204));
    BevelEdges(panel, niche.adjusted(1, 1, -1, -1), QColor(70, 46, 18), QColor(214, 180, 126));
    return panel;
}

MarkStyle GardenArt::markStyle() const { return {QColor(40, 24, 4), QColor(222, 242, 190)}; }

}  // namespace artwork
