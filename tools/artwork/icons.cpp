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

constexpr int iconSize = 64;

} // namespace

QImage KarveloIcon() {
    const std::unique_ptr<ThemeArt> gothic = MakeGothicArt();
    return RenderSmooth(iconSize, iconSize, [&gothic](QPainter& p) {
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
    });
}

QImage ZarnIcon() {
    return RenderSmooth(iconSize, iconSize, [](QPainter& p) {
        // A raised grey field with a mine on it.
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        QLinearGradient face(0, 0, 64, 64);
        face.setColorAt(0, QColor(236, 236, 236));
        face.setColorAt(1, QColor(150, 150, 150));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(3, 3, 58, 58), 6, 6);
        p.setBrush(QColor(196, 196, 196));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(8, 8, 48, 48), 3, 3);
        const QPointF c(32, 32);
        p.setPen(QPen(QColor(10, 10, 10), 4.2, Qt::SolidLine, Qt::RoundCap));
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
        p.drawEllipse(QPointF(26.5, 26.5), 3.6, 3.0);
    });
}

bool WriteIcons(const QString& root, QString* error) {
    const QString karvelo = root + "/karvelo/karvelo.png", zarn = root + "/zarn/zarn.png";
    QDir().mkpath(root + "/karvelo");
    QDir().mkpath(root + "/zarn");
    if (!KarveloIcon().save(karvelo, "PNG")) {
        *error = "cannot write " + karvelo;
        return false;
    }
    if (!ZarnIcon().save(zarn, "PNG")) {
        *error = "cannot write " + zarn;
        return false;
    }
    return true;
}

} // namespace artwork
