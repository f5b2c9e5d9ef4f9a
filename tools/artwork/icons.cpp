// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include "raster.h"
#include "theme_art.h"

#include <QDir>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

constexpr int drawingSize = 64;
constexpr int smallBelow = 32;

// The full drawing in 64-pixel coordinates, scaled to the icon's size.
QImage Scaled(int size, const std::function<void(QPainter&)>& draw) {
    return RenderSmooth(size, size, [&](QPainter& p) {
        p.scale(double(size) / drawingSize, double(size) / drawingSize);
        draw(p);
    });
}

void DrawKarvelo(QPainter& p) {
    const std::unique_ptr<ThemeArt> gothic = MakeGothicArt(1);
    // A small board of 5 x 5 fields in a stone frame, with a finished line of five.
    const QRectF board(3, 3, 58, 58);
    p.setPen(QPen(QColor(40, 38, 34), 1.2));
    p.setBrush(QColor(132, 129, 117));
    p.drawRoundedRect(board, 7, 7);
    const QRectF inside = board.adjusted(4.5, 4.5, -4.5, -4.5);
    p.setBrush(QColor(214, 208, 192));
    p.setPen(QPen(QColor(70, 68, 60), 1));
    p.drawRect(inside);
    const double cell = inside.width() / 5;
    p.setPen(QPen(QColor(150, 146, 132), 0.7));
    for (int k = 1; k < 5; ++k) {
        p.drawLine(QPointF(inside.left() + k * cell, inside.top()),
                   QPointF(inside.left() + k * cell, inside.bottom()));
        p.drawLine(QPointF(inside.left(), inside.top() + k * cell),
                   QPointF(inside.right(), inside.top() + k * cell));
    }
    for (int k = 0; k < 5; ++k) {
        const QPointF at(inside.left() + k * cell, inside.top() + k * cell);
        QRadialGradient glow(at + QPointF(cell / 2, cell / 2), cell * 0.75);
        glow.setColorAt(0, QColor(255, 250, 220));
        glow.setColorAt(1, QColor(250, 180, 60));
        p.fillRect(QRectF(at, QSizeF(cell, cell)), glow);
        p.save();
        p.translate(at);
        p.scale(cell / fieldSize, cell / fieldSize);
        gothic->paintStone(p, 0, 1);
        p.restore();
    }
    for (const QPoint& field : {QPoint(3, 0), QPoint(4, 1), QPoint(0, 3), QPoint(1, 4)}) {
        p.save();
        p.translate(inside.left() + field.x() * cell, inside.top() + field.y() * cell);
        p.scale(cell / fieldSize, cell / fieldSize);
        gothic->paintStone(p, 1, 1 + field.x() % 3);
        p.restore();
    }
}

// At 16 to 24 pixels five fields would be two pixels wide: three fields in the same frame,
// a glowing diagonal of plain stones and two opposing crosses.
void DrawSmallKarvelo(QPainter& p, int size) {
    const double s = size;
    const double frame = std::round(s / 8);
    const QRectF board(0.5, 0.5, s - 1, s - 1);
    p.setPen(QPen(QColor(40, 38, 34), 1));
    p.setBrush(QColor(132, 129, 117));
    p.drawRoundedRect(board, s / 8, s / 8);
    const QRectF inside(frame, frame, s - 2 * frame, s - 2 * frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 208, 192));
    p.drawRect(inside);
    const double cell = inside.width() / 3;
    for (int k = 0; k < 3; ++k) {
        const QRectF field(inside.left() + k * cell, inside.top() + k * cell, cell, cell);
        p.fillRect(field, QColor(250, 196, 90));
        QRadialGradient stone(field.center() - QPointF(cell * 0.12, cell * 0.12), cell * 0.45);
        stone.setColorAt(0, QColor(120, 120, 128));
        stone.setColorAt(1, QColor(20, 20, 24));
        p.setBrush(stone);
        p.drawEllipse(field.center(), cell * 0.36, cell * 0.36);
    }
    p.setPen(QPen(QColor(150, 30, 24), std::max(1.0, s / 14), Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& at : {QPointF(2, 0), QPointF(0, 2)}) {
        const QRectF field(inside.left() + at.x() * cell, inside.top() + at.y() * cell, cell, cell);
        const QRectF mark = field.adjusted(cell * 0.22, cell * 0.22, -cell * 0.22, -cell * 0.22);
        p.drawLine(mark.topLeft(), mark.bottomRight());
        p.drawLine(mark.topRight(), mark.bottomLeft());
    }
}

// The raised grey field with a mine; below 32 pixels the field's inner plate and the
// mine's spikes are drawn with whole-pixel widths.
void DrawZarn(QPainter& p, int size) {
    const bool small = size < smallBelow;
    // In 64-pixel coordinates: one device pixel.
    const double pixel = double(drawingSize) / size;
    p.setPen(QPen(QColor(60, 60, 60), small ? pixel : 1.2));
    QLinearGradient face(0, 0, 64, 64);
    face.setColorAt(0, QColor(236, 236, 236));
    face.setColorAt(1, QColor(150, 150, 150));
    p.setBrush(face);
    p.drawRoundedRect(small ? QRectF(pixel / 2, pixel / 2, 64 - pixel, 64 - pixel) : QRectF(3, 3, 58, 58), 6,
                      6);
    p.setBrush(QColor(196, 196, 196));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(8, 8, 48, 48), 3, 3);
    const QPointF c(32, 32);
    p.setPen(QPen(QColor(10, 10, 10), small ? std::max(4.2, 1.3 * pixel) : 4.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        const double reach = k % 2 ? 19.5 : 22;
        p.drawLine(c, QPointF(c.x() + reach * std::cos(a), c.y() + reach * std::sin(a)));
    }
    QRadialGradient body(QPointF(27, 27), 16);
    body.setColorAt(0, QColor(110, 110, 120));
    body.setColorAt(0.4, QColor(30, 30, 34));
    body.setColorAt(1, QColor(0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, 14, 14);
    p.setBrush(QColor(255, 255, 255, 230));
    const double shine = small ? std::max(3.6, 1.2 * pixel) : 3.6;
    p.drawEllipse(QPointF(26.5, 26.5), shine, shine * 3.0 / 3.6);
}

bool Save(const QImage& icon, const QString& path, QStringList* written, QString* error) {
    QDir().mkpath(QFileInfo(path).path());
    if (!icon.save(path, "PNG")) {
        *error = "cannot write " + path;
        return false;
    }
    written->append(path);
    return true;
}

}  // namespace

const QList<int>& MenuIconSizes() {
    static const QList<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage KarveloIcon(int size) {
    if (size < smallBelow)
        return RenderSmooth(size, size, [size](QPainter& p) { DrawSmallKarvelo(p, size); });
    return Scaled(size, DrawKarvelo);
}

QImage ZarnIcon(int size) {
    return Scaled(size, [size](QPainter& p) { DrawZarn(p, size); });
}

bool WriteIcons(const QString& root, QStringList* written, QString* error) {
    if (!Save(KarveloIcon(), root + "/karvelo/karvelo.png", written, error)) return false;
    if (!Save(ZarnIcon(), root + "/zarn/zarn.png", written, error)) return false;
    for (const int size : MenuIconSizes()) {
        const QString folder = root + "/packaging/icons/" + QString::number(size);
        if (!Save(KarveloIcon(size), folder + "/karvelo.png", written, error)) return false;
        if (!Save(ZarnIcon(size), folder + "/zarn.png", written, error)) return false;
    }
    return true;
}

}  // namespace artwork
