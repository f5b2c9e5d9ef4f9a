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

} // namespace

Glyph DigitGlyph(int digit) {
    return static_cast<Glyph>(digit);
}

QSize GlyphSize(Glyph glyph) {
    const Rows& rows = Bitmap(glyph);
    return QSize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
}

void DrawGlyph(QImage& image, Glyph glyph, int x, int y, const QColor& ink, const QColor& outline) {
    const Rows& rows = Bitmap(glyph);
    const QSize size = GlyphSize(glyph);
    if (outline.isValid())
        for (int gy = -1; gy <= size.height(); ++gy)
            for (int gx = -1; gx <= size.width(); ++gx) {
                if (Inked(rows, gx, gy)) continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = Inked(rows, gx + dx, gy + dy);
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

} // namespace artwork
