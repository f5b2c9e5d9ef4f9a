// SPDX-License-Identifier: GPL-3.0-or-later
#include "ocean_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

const QColor deep(14, 44, 96);
const QColor shallow(44, 104, 172);

// Deep water darkening towards the outer edge, with two staggered rows of breaking waves.
void DrawWaves(QPainter& p, double length) {
    QLinearGradient water(0, 0, 0, 30);
    water.setColorAt(0, deep);
    water.setColorAt(1, shallow);
    p.fillRect(QRectF(0, 0, length, 31), water);
    for (int row = 0; row < 2; ++row) {
        const double base = row == 0 ? 13 : 26;
        const double shift = row == 0 ? 0 : 20;
        for (double x0 = -40 + shift; x0 < length + 40; x0 += 40) {
            // A crest rolling over to the right, with its foam line.
            QPainterPath wave;
            wave.moveTo(x0, base);
            wave.cubicTo(x0 + 12, base, x0 + 18, base - 9, x0 + 28, base - 9);
            wave.cubicTo(x0 + 35, base - 9, x0 + 37, base - 5, x0 + 33, base - 4);
            wave.cubicTo(x0 + 31, base - 6, x0 + 27, base - 5, x0 + 28, base - 2);
            wave.cubicTo(x0 + 30, base + 1, x0 + 36, base, x0 + 40, base);
            wave.lineTo(x0 + 40, base + 4);
            wave.lineTo(x0, base + 4);
            wave.closeSubpath();
            QLinearGradient body(0, base - 9, 0, base + 4);
            body.setColorAt(0, QColor(120, 180, 236));
            body.setColorAt(1, row == 0 ? QColor(30, 80, 150) : QColor(50, 116, 186));
            p.setPen(Qt::NoPen);
            p.setBrush(body);
            p.drawPath(wave);
            QPainterPath foam;
            foam.moveTo(x0 + 14, base - 2.5);
            foam.cubicTo(x0 + 19, base - 8, x0 + 24, base - 9.2, x0 + 29, base - 9.2);
            foam.cubicTo(x0 + 35, base - 9.2, x0 + 37, base - 5.5, x0 + 33.5, base - 4.2);
            p.setPen(QPen(QColor(240, 250, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(foam);
        }
    }
}

// A twisted rope along y top .. top + 6.
void DrawRope(QPainter& p, double length, double top) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 108, 56));
    p.drawRect(QRectF(0, top, length, 6));
    for (double x = -6; x < length + 6; x += 4) {
        QPainterPath strand;
        strand.moveTo(x, top + 6);
        strand.lineTo(x + 4, top);
        strand.lineTo(x + 7, top);
        strand.lineTo(x + 3, top + 6);
        strand.closeSubpath();
        QLinearGradient light(0, top, 0, top + 6);
        light.setColorAt(0, QColor(246, 222, 170));
        light.setColorAt(1, QColor(196, 150, 86));
        p.setBrush(light);
        p.drawPath(strand);
    }
    p.setPen(QPen(QColor(70, 44, 16), 0.8));
    p.drawLine(QPointF(0, top), QPointF(length, top));
    p.drawLine(QPointF(0, top + 6), QPointF(length, top + 6));
}

}  // namespace

std::array<QString, symbolSetCount> OceanArt::setNames() const { return {"Ježci", "Hvězdy", "Lastury"}; }

QImage OceanArt::field() const {
    QImage image = Solid(fieldSize, fieldSize, QColor(150, 200, 232), scale());
    // Faint ripples: light wavy lines that continue from one field into the next.
    PaintTexture(image, QRect(1, 1, fieldSize - 2, fieldSize - 2), [](double x, double y) {
        const double phase = y * 2 * std::numbers::pi / 10 + std::sin(x * 2 * std::numbers::pi / 20) * 1.2;
        const double ripple = std::pow(0.5 + 0.5 * std::sin(phase), 6);
        return Mix(QColor(150, 200, 232), QColor(190, 226, 246), ripple * 0.8);
    });
    BevelEdges(image, LogicalRect(image), QColor(200, 232, 250), QColor(96, 148, 196));
    return image;
}

QImage OceanArt::highlightField() const {
    QImage image = RenderSmooth(
        fieldSize, fieldSize,
        [](QPainter& p) {
            QRadialGradient glow(QPointF(10, 10), 13.5);
            glow.setColorAt(0, QColor(255, 255, 255));
            glow.setColorAt(0.5, QColor(255, 250, 214));
            glow.setColorAt(0.8, QColor(255, 214, 110));
            glow.setColorAt(1, QColor(240, 150, 40));
            p.fillRect(QRectF(0, 0, 20, 20), glow);
        },
        4, scale());
    BevelEdges(image, LogicalRect(image), QColor(255, 250, 220), QColor(150, 70, 0));
    return image;
}

QImage OceanArt::topBand() const {
    QImage band = RenderSmooth(
        boardPixels, bandWidth,
        [](QPainter& p) {
            p.fillRect(QRectF(0, 0, boardPixels, bandWidth), deep);
            DrawWaves(p, boardPixels);
            p.fillRect(QRectF(0, 31, boardPixels, 9), shallow);
            DrawRope(p, boardPixels, 32);
        },
        4, scale());
    for (int x = 0; x < boardPixels; ++x) {
        SetPixel(band, x, 0, QColor(4, 18, 44));
        SetPixel(band, x, 39, QColor(20, 60, 110));
    }
    return band;
}

QImage OceanArt::corner() const {
    QImage corner = RenderSmooth(
        bandWidth, bandWidth,
        [](QPainter& p) {
            p.fillRect(QRectF(0, 0, 40, 40), deep);
            DrawWaves(p, 40);
            p.fillRect(QRectF(0, 31, 40, 9), shallow);
            // A life ring: white with four red quarters and a rope round it.
            const QPointF c(20, 20);
            QPainterPath ring;
            ring.addEllipse(c, 15.5, 15.5);
            ring.addEllipse(c, 7.5, 7.5);
            ring.setFillRule(Qt::OddEvenFill);
            p.setPen(QPen(QColor(10, 30, 60), 1.2));
            p.setBrush(QColor(250, 250, 248));
            p.drawPath(ring);
            p.save();
            p.setClipPath(ring);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(226, 30, 30));
            for (int k = 0; k < 4; ++k) p.drawPie(QRectF(2, 2, 36, 36), (k * 90 + 22) * 16, 46 * 16);
            QRadialGradient shade(QPointF(16, 16), 18);
            shade.setColorAt(0.4, QColor(255, 255, 255, 0));
            shade.setColorAt(1, QColor(0, 0, 40, 90));
            p.setBrush(shade);
            p.drawRect(QRectF(0, 0, 40, 40));
            p.restore();
            p.setPen(QPen(QColor(200, 160, 100), 1.1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 11.5, 11.5);
        },
        4, scale());
    for (int i = 0; i < bandWidth; ++i) {
        SetPixel(corner, i, 0, QColor(4, 18, 44));
        SetPixel(corner, 0, i, QColor(4, 18, 44));
    }
    return corner;
}

QImage OceanArt::panel(const QImage& bandBehind) const {
    QImage panel = bandBehind.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect plaque(2, 3, 236, 33);
    // Fine wet sand.
    const int s = scale();
    PaintTexture(panel, plaque, [s](double x, double y) {
        const double n = Fractal(x * 0.5, y * 0.5, 111, 3);
        // One speck per pixel of the file: a twin's sand is finer.
        const int px = static_cast<int>(std::floor(x * s)), py = static_cast<int>(std::floor(y * s));
        const double speck = Hash01(px, py, 113) > 0.93 ? 0.08 : 0.0;
        return Scaled(QColor(242, 230, 196), 0.95 + n * 0.08 - speck);
    });
    BevelEdges(panel, plaque, QColor(60, 40, 20), QColor(60, 40, 20));
    BevelEdges(panel, plaque.adjusted(1, 1, -1, -1), QColor(255, 248, 226), QColor(196, 176, 128));
    const QImage decor = RenderSmooth(
        LogicalSize(panel).width(), LogicalSize(panel).height(),
        [](QPainter& p) {
            // A small starfish and a shell in the sand between the scores and the icon.
            p.setPen(QPen(QColor(150, 60, 0), 0.6));
            p.setBrush(QColor(246, 140, 50));
            p.drawPath(StarPath(QPointF(132, 20), 5, 6.5, 2.8, 12));
            p.setPen(QPen(QColor(140, 80, 70), 0.6));
            p.setBrush(QColor(250, 210, 196));
            p.drawPie(QRectF(158, 13, 14, 14), 30 * 16, 120 * 16);
            p.setPen(QPen(QColor(80, 130, 180, 160), 0.8));
            p.setBrush(Qt::NoBrush);
            for (const QPointF& c : {QPointF(182, 14), QPointF(187, 19), QPointF(184, 25)})
                p.drawEllipse(c, 1.5, 1.5);
        },
        4, scale());
    DrawOver(panel, decor);
    const QRect niche(325 - panelLeft - 2, 8, 24, 24);
    BevelEdges(panel, niche, QColor(160, 136, 90), QColor(255, 250, 232));
    BevelEdges(panel, niche.adjusted(1, 1, -1, -1), QColor(90, 70, 40), QColor(220, 204, 160));
    return panel;
}

MarkStyle OceanArt::markStyle() const { return {QColor(8, 36, 100), QColor(222, 242, 252)}; }

}  // namespace artwork
