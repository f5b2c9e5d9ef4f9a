// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {

double Hash01(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967296.0;
}

double ValueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = Hash01(x0, y0, seed), b = Hash01(x0 + 1, y0, seed);
    const double c = Hash01(x0, y0 + 1, seed), d = Hash01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double Fractal(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, weight = 1, total = 0, freq = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x * freq, y * freq, seed + static_cast<std::uint32_t>(i) * 101u);
        total += weight;
        weight *= 0.5;
        freq *= 2;
    }
    return sum / total;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Scaled(const QColor& c, double factor) {
    auto channel = [factor](int v) { return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha());
}

QColor WithAlpha(const QColor& c, int alpha) {
    QColor result = c;
    result.setAlpha(alpha);
    return result;
}

int ScaleOf(const QImage& image) { return static_cast<int>(std::lround(image.devicePixelRatio())); }

QSize LogicalSize(const QImage& image) { return image.size() / ScaleOf(image); }

QRect LogicalRect(const QImage& image) { return QRect(QPoint(0, 0), LogicalSize(image)); }

QImage LogicalCopy(const QImage& image, const QRect& rect) {
    const int s = ScaleOf(image);
    QImage copy = image.copy(rect.x() * s, rect.y() * s, rect.width() * s, rect.height() * s);
    copy.setDevicePixelRatio(s);
    return copy;
}

QImage Transparent(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage Solid(int width, int height, const QColor& colour, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

QImage RenderSmooth(int width, int height, const std::function<void(QPainter&)>& draw, int factor,
                    int scale) {
    QImage big = Transparent(width * scale * factor, height * scale * factor);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor * scale, factor * scale);
        draw(painter);
    }
    // Box filter: every output pixel is the mean of its factor x factor block.
    QImage small = Transparent(width, height, scale);
    const int n = factor * factor;
    for (int y = 0; y < height * scale; ++y)
        for (int x = 0; x < width * scale; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = row[x * factor + dx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            reinterpret_cast<QRgb*>(small.scanLine(y))[x] = qRgba(r / n, g / n, b / n, a / n);
        }
    return small;
}

void PaintTexture(QImage& image, const QRect& rect,
                  const std::function<QColor(double x, double y)>& colourAt) {
    const int s = ScaleOf(image);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int dy = 0; dy < s; ++dy)
                for (int dx = 0; dx < s; ++dx) {
                    const int px = x * s + dx, py = y * s + dy;
                    if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
                    image.setPixelColor(px, py, colourAt(x + (dx + 0.5) / s - 0.5, y + (dy + 0.5) / s - 0.5));
                }
}

void DrawPart(QPainter& painter, QPointF at, const QImage& image, const QRectF& source) {
    const int s = ScaleOf(image);
    painter.drawImage(at, image,
                      QRectF(source.x() * s, source.y() * s, source.width() * s, source.height() * s));
}

void DrawOver(QImage& base, const QImage& layer, QPoint at) {
    QPainter painter(&base);
    painter.drawImage(at, layer);
}

QImage WithShadow(const QImage& layer, QPoint offset, const QColor& colour) {
    QImage shadow = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter tint(&shadow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shadow.rect(), colour);
    }
    QImage result = Transparent(LogicalSize(layer).width(), LogicalSize(layer).height(), ScaleOf(layer));
    QPainter painter(&result);
    painter.drawImage(offset, shadow);
    painter.drawImage(0, 0, layer);
    return result;
}

QImage Halo(const QImage& layer, double radius, const QColor& colour) {
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32);
    const int s = ScaleOf(layer);
    QImage result = Transparent(LogicalSize(layer).width(), LogicalSize(layer).height(), s);
    // Distances are measured in pixels of the layer and compared in logical pixels.
    const int reach = static_cast<int>(std::ceil(radius * s));
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            double best = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
                    const double d = std::hypot(dx, dy) / s;
                    if (d > radius) continue;
                    const double coverage = qAlpha(src.pixel(sx, sy)) / 255.0;
                    best = std::max(best, coverage * (1.0 - d / (radius + 1.0)));
                }
            if (best > 0) BlendDevicePixel(result, x, y, colour, std::min(1.0, best * 1.6));
        }
    QPainter painter(&result);
    painter.drawImage(0, 0, layer);
    return result;
}

void BevelEdges(QImage& image, const QRect& rect, const QColor& light, const QColor& dark) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
        SetPixel(image, x, rect.top(), light);
        SetPixel(image, x, rect.bottom(), dark);
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        SetPixel(image, rect.left(), y, light);
        SetPixel(image, rect.right(), y, dark);
    }
    // The two mixed corners take the middle tone.
    SetPixel(image, rect.right(), rect.top(), Mix(light, dark, 0.5));
    SetPixel(image, rect.left(), rect.bottom(), Mix(light, dark, 0.5));
}

void AddGrain(QImage& image, const QRect& rect, double amplitude, double scale, std::uint32_t seed) {
    const int s = ScaleOf(image);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int dy = 0; dy < s; ++dy)
                for (int dx = 0; dx < s; ++dx) {
                    const int px = x * s + dx, py = y * s + dy;
                    if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
                    // Noise read at the pixel's own centre: a twin's grain is finer, not coarser.
                    const double gx = x + (dx + 0.5) / s - 0.5, gy = y + (dy + 0.5) / s - 0.5;
                    const double n = Fractal(gx / scale, gy / scale, seed, 3) * 2 - 1;
                    const QColor c = QColor::fromRgba(image.pixel(px, py));
                    auto channel = [&](int v) {
                        return std::clamp(static_cast<int>(std::lround(v + n * amplitude)), 0, 255);
                    };
                    image.setPixelColor(
                        px, py, QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha()));
                }
}

void SetPixel(QImage& image, int x, int y, const QColor& colour) {
    const int s = ScaleOf(image);
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) {
            const int px = x * s + dx, py = y * s + dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
            image.setPixelColor(px, py, colour);
        }
}

void BlendPixel(QImage& image, int x, int y, const QColor& colour, double opacity) {
    const int s = ScaleOf(image);
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) BlendDevicePixel(image, x * s + dx, y * s + dy, colour, opacity);
}

void BlendDevicePixel(QImage& image, int x, int y, const QColor& colour, double opacity) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    const QColor under = image.pixelColor(x, y);
    const double a = std::clamp(opacity, 0.0, 1.0) * colour.alphaF();
    const double outA = a + under.alphaF() * (1 - a);
    if (outA <= 0) return;
    auto channel = [&](double top, double bottom) {
        return static_cast<float>((top * a + bottom * under.alphaF() * (1 - a)) / outA);
    };
    image.setPixelColor(x, y,
                        QColor::fromRgbF(channel(colour.redF(), under.redF()),
                                         channel(colour.greenF(), under.greenF()),
                                         channel(colour.blueF(), under.blueF()), static_cast<float>(outA)));
}

QPainterPath StarPath(QPointF centre, int points, double outer, double inner, double rotationDeg) {
    QPainterPath path;
    const double step = std::numbers::pi / points;
    const double start = (rotationDeg - 90) * std::numbers::pi / 180;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF p(centre.x() + r * std::cos(start + i * step),
                        centre.y() + r * std::sin(start + i * step));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

}  // namespace artwork
