// SPDX-License-Identifier: GPL-3.0-or-later
#include "mystery_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

const QColor gold(232, 188, 84);
const QColor darkGold(150, 100, 30);

// Dark red velvet, brightest along the middle of the band.
QColor Velvet(double x, double d) {
    const double across = std::sin(std::numbers::pi * (d + 0.5) / bandWidth);
    const double nap = Fractal(x * 0.35, d * 0.35, 141, 3);
    return Mix(QColor(46, 0, 4), QColor(140, 14, 20), across * 0.8 + (nap - 0.5) * 0.35);
}

// One of six simple golden sigils, about 12 pixels high, centred on (cx, cy).
void DrawRune(QPainter& p, double cx, double cy, int which) {
    p.save();
    p.translate(cx, cy);
    QPainterPath path;
    switch (which % 6) {
    case 0:  // eye
        path.moveTo(-6, 0);
        path.quadTo(0, -6, 6, 0);
        path.quadTo(0, 6, -6, 0);
        path.addEllipse(QPointF(0, 0), 1.6, 1.6);
        break;
    case 1:  // triangle with a bar
        path.moveTo(0, -6);
        path.lineTo(5.5, 4.5);
        path.lineTo(-5.5, 4.5);
        path.closeSubpath();
        path.moveTo(-3, 0.5);
        path.lineTo(3, 0.5);
        break;
    case 2:  // crossed circle
        path.addEllipse(QPointF(0, 0), 5, 5);
        path.moveTo(0, -6.5);
        path.lineTo(0, 6.5);
        break;
    case 3:  // arrow rune
        path.moveTo(0, 6);
        path.lineTo(0, -6);
        path.moveTo(-4, -2);
        path.lineTo(0, -6);
        path.lineTo(4, -2);
        path.moveTo(-4, 3);
        path.lineTo(0, -1);
        path.lineTo(4, 3);
        break;
    case 4:  // diamond with a dot
        path.moveTo(0, -6);
        path.lineTo(5, 0);
        path.lineTo(0, 6);
        path.lineTo(-5, 0);
        path.closeSubpath();
        path.addEllipse(QPointF(0, 0), 1.2, 1.2);
        break;
    default:  // spiral hook
        path.moveTo(-4, 6);
        path.lineTo(-4, -3);
        path.quadTo(-4, -6, 0, -6);
        path.quadTo(4, -6, 4, -2);
        path.quadTo(4, 1, 0, 1);
        path.lineTo(0, 6);
        break;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 120, 40, 70), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(gold, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void DrawGoldLine(QImage& band, int d, const QColor& colour) {
    for (int x = 0; x < LogicalSize(band).width(); ++x) SetPixel(band, x, d, colour);
}

}  // namespace

std::array<QString, symbolSetCount> MysteryArt::setNames() const { return {"Light", "Water", "Nature"}; }

QImage MysteryArt::field() const {
    QImage image = Solid(fieldSize, fieldSize, QColor(58, 20, 34), scale());
    AddGrain(image, LogicalRect(image), 5, 4, 151);
    BevelEdges(image, LogicalRect(image), QColor(98, 46, 62), QColor(28, 6, 14));
    return image;
}

QImage MysteryArt::highlightField() const {
    QImage image = RenderSmooth(
        fieldSize, fieldSize,
        [](QPainter& p) {
            QRadialGradient glow(QPointF(10, 10), 13.5);
            glow.setColorAt(0, QColor(255, 250, 255));
            glow.setColorAt(0.5, QColor(244, 206, 255));
            glow.setColorAt(0.8, QColor(200, 120, 240));
            glow.setColorAt(1, QColor(120, 30, 170));
            p.fillRect(QRectF(0, 0, 20, 20), glow);
        },
        4, scale());
    BevelEdges(image, LogicalRect(image), QColor(250, 226, 255), QColor(60, 0, 90));
    return image;
}

QImage MysteryArt::topBand() const {
    QImage band = Solid(boardPixels, bandWidth, QColor(90, 0, 6), scale());
    PaintTexture(band, LogicalRect(band), [](double x, double d) { return Velvet(x, d); });
    DrawGoldLine(band, 0, QColor(20, 0, 0));
    DrawGoldLine(band, 2, darkGold);
    DrawGoldLine(band, 3, gold);
    DrawGoldLine(band, 6, darkGold);
    DrawGoldLine(band, 33, darkGold);
    DrawGoldLine(band, 36, gold);
    DrawGoldLine(band, 37, darkGold);
    DrawGoldLine(band, 39, QColor(20, 0, 0));
    const QImage runes = RenderSmooth(
        boardPixels, bandWidth,
        [](QPainter& p) {
            for (int k = 0; k < boardPixels / 40; ++k) {
                DrawRune(p, 20 + 40 * k, 19.5, k);
                // A four-pointed star between two runes.
                p.setPen(Qt::NoPen);
                p.setBrush(gold);
                p.drawPath(StarPath(QPointF(40 * k, 19.5), 4, 3.2, 0.9, 0));
            }
        },
        4, scale());
    DrawOver(band, runes);
    return band;
}

QImage MysteryArt::corner() const {
    QImage corner = Solid(bandWidth, bandWidth, QColor(90, 0, 6), scale());
    PaintTexture(corner, LogicalRect(corner), [](double x, double y) { return Velvet(x + y, 20); });
    const QImage moon = RenderSmooth(
        bandWidth, bandWidth,
        [](QPainter& p) {
            const QPointF c(20, 20);
            p.setPen(QPen(gold, 1.4));
            QRadialGradient night(c, 15);
            night.setColorAt(0, QColor(40, 20, 70));
            night.setColorAt(1, QColor(10, 0, 20));
            p.setBrush(night);
            p.drawEllipse(c, 15, 15);
            p.setPen(QPen(darkGold, 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 17.5, 17.5);
            // A crescent: a disc with a shifted disc cut away.
            QPainterPath disc, bite;
            disc.addEllipse(QPointF(18, 20), 9, 9);
            bite.addEllipse(QPointF(22.5, 17.5), 8, 8);
            QRadialGradient shine(QPointF(13, 18), 10);
            shine.setColorAt(0, QColor(255, 248, 200));
            shine.setColorAt(1, QColor(240, 190, 80));
            p.setPen(QPen(QColor(150, 90, 20), 0.6));
            p.setBrush(shine);
            p.drawPath(disc.subtracted(bite));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 240, 200));
            p.drawPath(StarPath(QPointF(27, 24), 4, 3.2, 0.9, 0));
            p.drawPath(StarPath(QPointF(25, 12.5), 4, 2.0, 0.6, 0));
            p.drawPath(StarPath(QPointF(30.5, 17), 4, 1.5, 0.5, 0));
        },
        4, scale());
    DrawOver(corner, moon);
    for (int i = 0; i < bandWidth; ++i) {
        SetPixel(corner, i, 0, QColor(20, 0, 0));
        SetPixel(corner, 0, i, QColor(20, 0, 0));
    }
    return corner;
}

QImage MysteryArt::panel(const QImage& bandBehind) const {
    QImage panel = bandBehind.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect sheet(2, 3, 236, 33);
    // Old parchment, stained and browned towards the edges.
    PaintTexture(panel, sheet, [&sheet](double x, double y) {
        const double stain = Fractal(x * 0.08, y * 0.15, 161, 4);
        const double edge =
            std::min({x - sheet.left(), sheet.right() - x, 3 * (y - sheet.top()), 3 * (sheet.bottom() - y)}) /
            12.0;
        const double burn = std::max(0.0, 1.0 - edge);
        return Mix(Mix(QColor(240, 224, 186), QColor(214, 186, 136), stain * 0.9), QColor(168, 118, 64),
                   burn * 0.7);
    });
    BevelEdges(panel, sheet, QColor(30, 0, 0), QColor(30, 0, 0));
    BevelEdges(panel, sheet.adjusted(2, 2, -2, -2), QColor(130, 20, 20), QColor(130, 20, 20));
    const QImage decor = RenderSmooth(
        LogicalSize(panel).width(), LogicalSize(panel).height(),
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(130, 20, 20));
            p.drawPath(StarPath(QPointF(130, 20), 4, 4.5, 1.2, 0));
            p.drawPath(StarPath(QPointF(150, 20), 4, 6.0, 1.5, 45));
            p.drawPath(StarPath(QPointF(170, 20), 4, 4.5, 1.2, 0));
        },
        4, scale());
    DrawOver(panel, decor);
    const QRect niche(325 - panelLeft - 2, 8, 24, 24);
    BevelEdges(panel, niche, QColor(120, 20, 20), QColor(120, 20, 20));
    BevelEdges(panel, niche.adjusted(1, 1, -1, -1), QColor(40, 0, 0), QColor(200, 160, 100));
    return panel;
}

MarkStyle MysteryArt::markStyle() const { return {QColor(255, 214, 110), QColor(24, 0, 8)}; }

}  // namespace artwork
