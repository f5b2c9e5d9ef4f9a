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
QColor Scaled(const QColor& c, double factor); // brightness multiplied, clamped
QColor WithAlpha(const QColor& c, int alpha);

// A transparent premultiplied image.
QImage Transparent(int width, int height);
QImage Solid(int width, int height, const QColor& colour);

// Draws with `draw` at `factor` times the size (painter scaled, antialiased) and returns the
// box-filtered result: finer edges than antialiasing alone at 20 x 20.
QImage RenderSmooth(int width, int height, const std::function<void(QPainter&)>& draw, int factor = 4);

// Alpha-composites `layer` over `base` at `at`.
void DrawOver(QImage& base, const QImage& layer, QPoint at = QPoint());

// A copy of the layer's shape, filled with `colour` and shifted by `offset`, under the layer.
QImage WithShadow(const QImage& layer, QPoint offset, const QColor& colour);

// A layer whose every pixel within `radius` of the shape is `colour` (a rim or glow, drawn
// under the shape), alpha falling off with distance.
QImage Halo(const QImage& layer, double radius, const QColor& colour);

// Pixel-exact one-pixel rectangle edges: top and left in `light`, bottom and right in `dark`.
void BevelEdges(QImage& image, const QRect& rect, const QColor& light, const QColor& dark);

// Adds a grain of +/- amplitude (0..255 scale) from fractal noise over the rect.
void AddGrain(QImage& image, const QRect& rect, double amplitude, double scale, std::uint32_t seed);

void SetPixel(QImage& image, int x, int y, const QColor& colour);
void BlendPixel(QImage& image, int x, int y, const QColor& colour, double opacity);

// A regular star outline around `centre`.
QPainterPath StarPath(QPointF centre, int points, double outer, double inner, double rotationDeg);

} // namespace artwork
