// SPDX-License-Identifier: GPL-3.0-or-later
#include "minefield_tiles.h"

#include "bmp_file.h"
#include "minefield_digits.h"
#include "pixel_glyphs.h"
#include "raster.h"

#include <array>
#include <cstdlib>

namespace artwork {

namespace {

constexpr int tileSize = 20;
const QColor ground(192, 192, 192);
const QColor edge(128, 128, 128);

// The flat uncovered look: a one-pixel grid line on the top and left, so that neighbouring
// tiles draw a single line between them.
QImage FlatTile(const QColor& colour, int scale) {
    QImage tile = Solid(tileSize, tileSize, colour, scale);
    for (int i = 0; i < tileSize; ++i) {
        SetPixel(tile, i, 0, edge);
        SetPixel(tile, 0, i, edge);
    }
    return tile;
}

// Pixel art centred on pixel (10, 10) of the 19 x 19 inside: a round body of radius 5, four
// straight and four diagonal spikes, a white glint up left.
void DrawPixelMine(QImage& tile) {
    const int cx = 10, cy = 10;
    for (int y = 1; y < tileSize; ++y)
        for (int x = 1; x < tileSize; ++x) {
            const int dx = x - cx, dy = y - cy;
            const bool body = dx * dx + dy * dy <= 26;
            const bool straight = (dx == 0 && std::abs(dy) <= 7) || (dy == 0 && std::abs(dx) <= 7);
            const bool diagonal = std::abs(dx) == std::abs(dy) && std::abs(dx) <= 5;
            if (body || straight || diagonal) tile.setPixelColor(x, y, Qt::black);
        }
    for (int y = 7; y <= 8; ++y)
        for (int x = 7; x <= 8; ++x) tile.setPixelColor(x, y, Qt::white);
}

// The same mine drawn as shapes for the twin: the body a true circle around the same centre,
// spikes one logical pixel wide with round tips (the straight ones on whole pixels, so they stay
// sharp), the body lit faintly from the glint's side so that it reads as a ball.
QImage SmoothMine() {
    return RenderSmooth(
        tileSize, tileSize,
        [](QPainter& p) {
            const QPointF centre(10.5, 10.5);
            p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(10.5, 3), QPointF(10.5, 18));
            p.drawLine(QPointF(3, 10.5), QPointF(18, 10.5));
            p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap));
            const double reach = 5.0;
            p.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
            p.drawLine(centre + QPointF(-reach, reach), centre + QPointF(reach, -reach));
            QRadialGradient shade(QPointF(8.2, 8.2), 6.5);
            shade.setColorAt(0, QColor(72, 72, 72));
            shade.setColorAt(1, Qt::black);
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawEllipse(centre, 5.1, 5.1);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8.1, 8.1), 1.15, 1.15);
        },
        4, 2);
}

}  // namespace

QImage UncoveredTile(int minesAround, int scale) {
    static const std::array<QColor, 9> inks = {
        QColor(),          QColor(0, 0, 255),   QColor(0, 128, 0), QColor(255, 0, 0),     QColor(0, 0, 128),
        QColor(128, 0, 0), QColor(0, 128, 128), QColor(0, 0, 0),   QColor(104, 104, 104),
    };
    QImage tile = FlatTile(ground, scale);
    if (minesAround < 1 || minesAround > 8) return tile;
    const QColor& ink = inks[static_cast<std::size_t>(minesAround)];
    if (scale == 2)
        DrawTwinDigit(tile, minesAround, 7, 5, ink);
    else
        DrawGlyph(tile, DigitGlyph(minesAround), 7, 5, ink);
    return tile;
}

QImage MineTile(int scale) {
    QImage tile = FlatTile(QColor(255, 0, 0), scale);
    if (scale == 2)
        DrawOver(tile, SmoothMine());
    else
        DrawPixelMine(tile);
    return tile;
}

bool WriteMinefieldTiles(const QString& folder, int scale, QStringList* written, QString* error) {
    auto write = [&](const QImage& image, const QString& name) {
        const QString path = folder + "/" + ScaledFileName(name, scale);
        if (!WriteBmp24(image, path, error)) return false;
        if (written) written->append(path);
        return true;
    };
    if (!write(MineTile(scale), "mina.bmp")) return false;
    for (int k = 0; k <= 8; ++k)
        if (!write(UncoveredTile(k, scale), QString("zarn%1.bmp").arg(k))) return false;
    return true;
}

}  // namespace artwork
