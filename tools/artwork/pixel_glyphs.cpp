// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_glyphs.h"

#include "raster.h"

#include <array>
#include <string_view>
#include <vector>

namespace artwork {

namespace {

using Rows = std::vector<std::string_view>;

const Rows& Bitmap(Glyph glyph) {
    // clang-format off
    static const std::array<Rows, 12> bitmaps = {{
        {  // 0
            ".####.",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            ".####.",
        },
        {  // 1
            "..##..",
            ".###..",
            "####..",
            "..##..",
            "..##..",
            "..##..",
            "..##..",
            "..##..",
            "..##..",
            "######",
        },
        {  // 2
            ".####.",
            "##..##",
            "....##",
            "....##",
            "...##.",
            "..##..",
            ".##...",
            "##....",
            "##....",
            "######",
        },
        {  // 3
            ".####.",
            "##..##",
            "....##",
            "....##",
            "..###.",
            "....##",
            "....##",
            "....##",
            "##..##",
            ".####.",
        },
        {  // 4
            "....##",
            "...###",
            "..####",
            ".##.##",
            "##..##",
            "######",
            "....##",
            "....##",
            "....##",
            "....##",
        },
        {  // 5
            "######",
            "##....",
            "##....",
            "#####.",
            "....##",
            "....##",
            "....##",
            "....##",
            "##..##",
            ".####.",
        },
        {  // 6
            "..###.",
            ".##...",
            "##....",
            "##....",
            "#####.",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            ".####.",
        },
        {  // 7
            "######",
            "....##",
            "....##",
            "...##.",
            "...##.",
            "..##..",
            "..##..",
            ".##...",
            ".##...",
            ".##...",
        },
        {  // 8
            ".####.",
            "##..##",
            "##..##",
            "##..##",
            ".####.",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            ".####.",
        },
        {  // 9
            ".####.",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            ".#####",
            "....##",
            "....##",
            "...##.",
            ".###..",
        },
        {  // big plus
            "...##...",
            "...##...",
            "...##...",
            "########",
            "########",
            "...##...",
            "...##...",
            "...##...",
        },
        {  // small plus
            "..##..",
            "..##..",
            "######",
            "######",
            "..##..",
            "..##..",
        },
    }};
    // clang-format on
    return bitmaps[static_cast<std::size_t>(glyph)];
}

bool Inked(const Rows& rows, int x, int y) {
    if (y < 0 || y >= static_cast<int>(rows.size())) return false;
    if (x < 0 || x >= static_cast<int>(rows[static_cast<std::size_t>(y)].size())) return false;
    return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
}

// Whether device pixel (x, y) of the glyph drawn at twice the size is inked. With `round`, each
// logical pixel's four pixels follow its neighbours (the Scale2x rule), so the curves and
// diagonals of a digit get rounded corners instead of steps twice as large; the pluses keep their
// straight edges.
bool InkedTwice(const Rows& rows, int x, int y, bool round) {
    const int gx = x >= 0 ? x / 2 : (x - 1) / 2, gy = y >= 0 ? y / 2 : (y - 1) / 2;
    if (!round) return Inked(rows, gx, gy);
    const int sx = x - 2 * gx == 1 ? 1 : -1, sy = y - 2 * gy == 1 ? 1 : -1;  // towards this corner
    const bool horizontal = Inked(rows, gx + sx, gy), vertical = Inked(rows, gx, gy + sy);
    const bool awayHorizontal = Inked(rows, gx - sx, gy), awayVertical = Inked(rows, gx, gy - sy);
    if (horizontal == vertical && horizontal != awayHorizontal && vertical != awayVertical) return horizontal;
    return Inked(rows, gx, gy);
}

// The glyph drawn at twice the size into an image of scale 2, the outline one logical pixel
// (two pixels) wide around the rounded shape.
void DrawGlyphTwice(QImage& image, const Rows& rows, QSize size, bool round, int x, int y, const QColor& ink,
                    const QColor& outline) {
    const int left = 2 * x, top = 2 * y;
    auto set = [&](int px, int py, const QColor& colour) {
        if (left + px >= 0 && top + py >= 0 && left + px < image.width() && top + py < image.height())
            image.setPixelColor(left + px, top + py, colour);
    };
    for (int py = -2; py < 2 * size.height() + 2; ++py)
        for (int px = -2; px < 2 * size.width() + 2; ++px) {
            if (InkedTwice(rows, px, py, round)) {
                set(px, py, ink);
                continue;
            }
            if (!outline.isValid()) continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) near = InkedTwice(rows, px + dx, py + dy, round);
            if (near) set(px, py, outline);
        }
}

}  // namespace

Glyph DigitGlyph(int digit) { return static_cast<Glyph>(digit); }

QSize GlyphSize(Glyph glyph) {
    const Rows& rows = Bitmap(glyph);
    return QSize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
}

void DrawGlyph(QImage& image, Glyph glyph, int x, int y, const QColor& ink, const QColor& outline) {
    const Rows& rows = Bitmap(glyph);
    const QSize size = GlyphSize(glyph);
    if (ScaleOf(image) == 2) {
        const bool digit = glyph != Glyph::BigPlus && glyph != Glyph::SmallPlus;
        DrawGlyphTwice(image, rows, size, digit, x, y, ink, outline);
        return;
    }
    if (outline.isValid())
        for (int gy = -1; gy <= size.height(); ++gy)
            for (int gx = -1; gx <= size.width(); ++gx) {
                if (Inked(rows, gx, gy)) continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx) near = Inked(rows, gx + dx, gy + dy);
                if (near) SetPixel(image, x + gx, y + gy, outline);
            }
    for (int gy = 0; gy < size.height(); ++gy)
        for (int gx = 0; gx < size.width(); ++gx)
            if (Inked(rows, gx, gy)) SetPixel(image, x + gx, y + gy, ink);
}

void DrawGlyphShadowed(QImage& image, Glyph glyph, int x, int y, const QColor& ink, const QColor& shadow) {
    const Rows& rows = Bitmap(glyph);
    const QSize size = GlyphSize(glyph);
    for (int gy = 0; gy <= size.height(); ++gy)
        for (int gx = 0; gx <= size.width(); ++gx)
            if (!Inked(rows, gx, gy) && Inked(rows, gx - 1, gy - 1)) SetPixel(image, x + gx, y + gy, shadow);
    for (int gy = 0; gy < size.height(); ++gy)
        for (int gx = 0; gx < size.width(); ++gx)
            if (Inked(rows, gx, gy)) SetPixel(image, x + gx, y + gy, ink);
}

}  // namespace artwork
