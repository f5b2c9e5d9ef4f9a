// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <cstdint>
#include <functional>

// Small raster helpers shared by all pictures: deterministic noise, colour arithmetic,
// supersampled vector drawing and pixel-exact edges.
namespace artwork {

// Hash of a lattice point, uniform in [0, 1). The same arguments always give the same
// value, so every run draws identical files.
double Hash01(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1): bilinear between lattice hashes with cell size 1.
double ValueNoise(double x, double y, std::uint32_t seed);

// Sum of octaves of value noise, normalised to [0, 1).
double Fractal(double x, double y, std::uint32_t seed, int octaves);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Scaled(const QColor& c, double factor);  // brightness multiplied, clamped
QColor WithAlpha(const QColor& c, int alpha);

// Every picture is drawn at a scale: 1 for the 1x files, 2 for their "@2x" twins. A picture of
// scale s holds s x s pixels per logical pixel and carries s as its device pixel ratio, so a
// QPainter on it and all helpers below take logical coordinates; only pixel loops see the scale.
int ScaleOf(const QImage& image);
QSize LogicalSize(const QImage& image);
QRect LogicalRect(const QImage& image);
// The logical rectangle `rect` of the image, at the image's scale.
QImage LogicalCopy(const QImage& image, const QRect& rect);

// A transparent premultiplied image of width x height logical pixels.
QImage Transparent(int width, int height, int scale = 1);
QImage Solid(int width, int height, const QColor& colour, int scale = 1);

// Draws with `draw` at `factor` times the size (painter scaled, antialiased) and returns the
// box-filtered result: finer edges than antialiasing alone at 20 x 20. `draw` works in logical
// pixels at every scale, so a twin gets the vectors drawn with twice the detail.
QImage RenderSmooth(int width, int height, const std::function<void(QPainter&)>& draw, int factor = 4,
                    int scale = 1);

// Sets every pixel of the logical rectangle from `colourAt`, asked at the centre of each of its
// pixels in logical coordinates with pixel centres at whole numbers: at scale 1 exactly (x, y),
// at scale 2 the quarter points in between, so textures gain detail instead of growing blocks.
void PaintTexture(QImage& image, const QRect& rect,
                  const std::function<QColor(double x, double y)>& colourAt);

// Draws the logical rectangle `source` of the image with its top-left at `at` (logical pixels).
void DrawPart(QPainter& painter, QPointF at, const QImage& image, const QRectF& source);

// Alpha-composites `layer` over `base` at `at`.
void DrawOver(QImage& base, const QImage& layer, QPoint at = QPoint());

// A copy of the layer's shape, filled with `colour` and shifted by `offset`, under the layer.
QImage WithShadow(const QImage& layer, QPoint offset, const QColor& colour);

// A layer whose every pixel within `radius` logical pixels of the shape is `colour` (a rim or glow, drawn
// under the shape), alpha falling off with distance.
QImage Halo(const QImage& layer, double radius, const QColor& colour);

// Pixel-exact one-pixel rectangle edges (one logical pixel wide): top and left in `light`, bottom
// and right in `dark`.
void BevelEdges(QImage& image, const QRect& rect, const QColor& light, const QColor& dark);

// Adds a grain of +/- amplitude (0..255 scale) from fractal noise over the rect.
void AddGrain(QImage& image, const QRect& rect, double amplitude, double scale, std::uint32_t seed);

// Set or blend the whole logical pixel (x, y): one pixel at scale 1, a 2 x 2 block at scale 2.
void SetPixel(QImage& image, int x, int y, const QColor& colour);
void BlendPixel(QImage& image, int x, int y, const QColor& colour, double opacity);
// Blends the one pixel (x, y) of the image itself, whatever its scale.
void BlendDevicePixel(QImage& image, int x, int y, const QColor& colour, double opacity);

// A regular star outline around `centre`.
QPainterPath StarPath(QPointF centre, int points, double outer, double inner, double rotationDeg);

}  // namespace artwork
