// SPDX-License-Identifier: GPL-3.0-or-later
#include "minefield_tiles.h"

#include "bmp_file.h"
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

}  // namespace

QImage UncoveredTile(int minesAround, int scale) {
    static const std::array<QColor, 9> inks = {
        QColor(),          QColor(0, 0, 255),   QColor(0, 128, 0), QColor(255, 0, 0),     QColor(0, 0, 128),
        QColor(128, 0, 0), QColor(0, 128, 128), QColor(0, 0, 0),   QColor(104, 104, 104),
    };
    QImage tile = FlatTile(ground, scale);
    if (minesAround >= 1 && minesAround <= 8)
        DrawGlyph(tile, DigitGlyph(minesAround), 7, 5, inks[static_cast<std::size_t>(minesAround)]);
    return tile;
}

QImage MineTile(int scale) {
    QImage tile = FlatTile(QColor(255, 0, 0), scale);
    // Pixel art centred on pixel (10, 10) of the 19 x 19 inside: a round body of radius 5,
    // four straight and four diagonal spikes, a white glint up left. Tested at every pixel's
    // centre (whole numbers at scale 1), so the twin's body is rounder and its diagonals finer.
    const double cx = 10, cy = 10;
    for (int y = scale; y < tileSize * scale; ++y)
        for (int x = scale; x < tileSize * scale; ++x) {
            const double dx = (x + 0.5) / scale - 0.5 - cx, dy = (y + 0.5) / scale - 0.5 - cy;
            const double d2 = dx * dx + dy * dy;
            const bool body = d2 <= 26;
            const bool straight =
                (std::abs(dx) < 0.5 && std::abs(dy) <= 7) || (std::abs(dy) < 0.5 && std::abs(dx) <= 7);
            const bool diagonal = std::abs(std::abs(dx) - std::abs(dy)) < 0.5 && std::abs(dx) <= 5;
            if (body || straight || diagonal) tile.setPixelColor(x, y, Qt::black);
        }
    for (int y = 7; y <= 8; ++y)
        for (int x = 7; x <= 8; ++x) SetPixel(tile, x, y, Qt::white);
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
