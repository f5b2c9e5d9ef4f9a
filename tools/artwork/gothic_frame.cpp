// SPDX-License-Identifier: GPL-3.0-or-later
#include "gothic_art.h"
#include "raster.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

const QColor stoneLight(170, 167, 154);
const QColor stoneMid(132, 129, 117);
const QColor mortar(62, 60, 53);

// The grey of one frame pixel at depth d (0 = outer edge) before the arcade is carved in.
QColor BandRow(int d) {
    static const QColor rows[] = {
        QColor(48, 46, 41),    QColor(176, 173, 160), QColor(150, 147, 135),
        QColor(122, 120, 108), QColor(96, 94, 84),
    };
    if (d < 5) return rows[d];
    if (d >= 39) return QColor(36, 35, 31);
    if (d >= 36) return Mix(QColor(92, 90, 80), QColor(58, 56, 50), (d - 36) / 2.0);
    if (d == 35) return QColor(174, 171, 158);
    if (d >= 33) return QColor(146, 143, 131);
    return stoneMid;
}

}  // namespace

std::array<QString, symbolSetCount> GothicArt::setNames() const { return {"Prsteny", "Kříže", "Amfory"}; }

QImage GothicArt::field() const {
    QImage image = Solid(fieldSize, fieldSize, QColor(188, 183, 167), scale());
    AddGrain(image, LogicalRect(image), 7, 4, 11);
    BevelEdges(image, LogicalRect(image), QColor(216, 212, 198), QColor(132, 128, 115));
    return image;
}

QImage GothicArt::highlightField() const {
    QImage image = RenderSmooth(
        fieldSize, fieldSize,
        [](QPainter& p) {
            QRadialGradient glow(QPointF(10, 10), 13);
            glow.setColorAt(0, QColor(255, 255, 245));
            glow.setColorAt(0.55, QColor(255, 244, 196));
            glow.setColorAt(0.8, QColor(252, 196, 90));
            glow.setColorAt(1, QColor(230, 130, 20));
            p.fillRect(QRectF(0, 0, 20, 20), glow);
        },
        4, scale());
    BevelEdges(image, LogicalRect(image), QColor(255, 244, 190), QColor(130, 70, 0));
    BevelEdges(image, LogicalRect(image).adjusted(1, 1, -1, -1), QColor(255, 236, 160), QColor(200, 120, 20));
    return image;
}

QImage GothicArt::topBand() const {
    QImage band = Solid(boardPixels, bandWidth, stoneMid, scale());
    for (int d = 0; d < bandWidth; ++d)
        for (int x = 0; x < boardPixels; ++x) SetPixel(band, x, d, BandRow(d));

    // Ashlar joints every 40 pixels, half-way between two arches.
    for (int x = 0; x < boardPixels; x += 40)
        for (int d = 5; d < 33; ++d) {
            SetPixel(band, x, d, mortar);
            SetPixel(band, x + 1, d, stoneLight);
        }
    AddGrain(band, QRect(0, 1, boardPixels, 38), 9, 3.5, 21);

    // A blind arcade: one pointed (lancet) arch per 40 pixels, tips towards the outer edge.
    const QImage arches = RenderSmooth(
        boardPixels, bandWidth,
        [](QPainter& p) {
            for (int cx = 20; cx < boardPixels; cx += 40) {
                auto lancet = [cx](double halfWidth, double top, double bottom) {
                    QPainterPath path;
                    const double springing = top + halfWidth * 1.6;
                    path.moveTo(cx - halfWidth, bottom);
                    path.lineTo(cx - halfWidth, springing);
                    path.quadTo(cx - halfWidth, top + halfWidth * 0.45, cx, top);
                    path.quadTo(cx + halfWidth, top + halfWidth * 0.45, cx + halfWidth, springing);
                    path.lineTo(cx + halfWidth, bottom);
                    path.closeSubpath();
                    return path;
                };
                // Moulded rim, then the shadowed recess.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(164, 161, 148));
                p.drawPath(lancet(12, 6, 33));
                p.setBrush(QColor(70, 68, 60));
                p.drawPath(lancet(10.5, 8, 33));
                QLinearGradient depth(0, 8, 0, 33);
                depth.setColorAt(0, QColor(58, 56, 50));
                depth.setColorAt(1, QColor(96, 93, 83));
                p.setBrush(depth);
                p.drawPath(lancet(9, 10, 33));
                // A trefoil carved at the head of the arch.
                p.setBrush(QColor(118, 115, 104));
                for (int leaf = 0; leaf < 3; ++leaf) {
                    const double angle = (-90 + leaf * 120) * 3.14159265 / 180;
                    p.drawEllipse(QPointF(cx + 2.4 * std::cos(angle), 19 + 2.4 * std::sin(angle)), 2.3, 2.3);
                }
                p.setBrush(QColor(64, 62, 55));
                p.drawEllipse(QPointF(cx, 19), 1.2, 1.2);
                // Sill.
                p.setBrush(QColor(150, 147, 135));
                p.drawRect(QRectF(cx - 12, 30, 24, 3));
            }
        },
        4, scale());
    DrawOver(band, arches);
    return band;
}

QImage GothicArt::corner() const {
    QImage corner = Solid(bandWidth, bandWidth, QColor(138, 135, 122), scale());
    AddGrain(corner, LogicalRect(corner), 9, 3.5, 31);
    BevelEdges(corner, LogicalRect(corner), QColor(48, 46, 41), QColor(36, 35, 31));
    BevelEdges(corner, LogicalRect(corner).adjusted(1, 1, -1, -1), QColor(182, 179, 166), QColor(70, 68, 60));
    BevelEdges(corner, LogicalRect(corner).adjusted(2, 2, -2, -2), QColor(160, 157, 145), QColor(96, 94, 84));
    const QImage rose = RenderSmooth(
        bandWidth, bandWidth,
        [](QPainter& p) {
            const QPointF c(20, 20);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 88, 78));
            p.drawEllipse(c, 16, 16);
            p.setBrush(QColor(176, 173, 160));
            p.drawEllipse(c, 15, 15);
            p.setBrush(QColor(64, 62, 55));
            p.drawEllipse(c, 13.5, 13.5);
            // Quatrefoil of stained glass, leaded.
            QPainterPath foil;
            for (int leaf = 0; leaf < 4; ++leaf) {
                const double angle = leaf * 3.14159265 / 2 + 3.14159265 / 4;
                QPainterPath lobe;
                lobe.addEllipse(QPointF(c.x() + 5.5 * std::cos(angle), c.y() + 5.5 * std::sin(angle)), 6, 6);
                foil = foil.united(lobe);
            }
            p.setBrush(QColor(30, 30, 34));
            p.drawPath(foil);
            QRadialGradient glass(c, 13);
            glass.setColorAt(0, QColor(120, 170, 255));
            glass.setColorAt(1, QColor(20, 50, 150));
            p.setBrush(glass);
            p.drawPath(
                QTransform().translate(c.x(), c.y()).scale(0.86, 0.86).translate(-c.x(), -c.y()).map(foil));
            // Lead lines and a ruby centre.
            p.setPen(QPen(QColor(30, 30, 34), 1.1));
            p.drawLine(QPointF(c.x() - 11, c.y() - 11), QPointF(c.x() + 11, c.y() + 11));
            p.drawLine(QPointF(c.x() - 11, c.y() + 11), QPointF(c.x() + 11, c.y() - 11));
            QRadialGradient ruby(QPointF(c.x() - 1, c.y() - 1), 5);
            ruby.setColorAt(0, QColor(255, 120, 110));
            ruby.setColorAt(1, QColor(150, 0, 20));
            p.setBrush(ruby);
            p.drawEllipse(c, 4, 4);
        },
        4, scale());
    DrawOver(corner, rose);
    return corner;
}

QImage GothicArt::panel(const QImage& bandBehind) const {
    QImage panel = bandBehind.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect plaque(2, 3, 236, 33);
    {
        QPainter p(&panel);
        p.fillRect(plaque, QColor(226, 220, 200));
    }
    AddGrain(panel, plaque.adjusted(2, 2, -2, -2), 6, 5, 41);
    BevelEdges(panel, plaque, QColor(40, 38, 34), QColor(40, 38, 34));
    BevelEdges(panel, plaque.adjusted(1, 1, -1, -1), QColor(120, 117, 105), QColor(190, 186, 172));
    BevelEdges(panel, plaque.adjusted(2, 2, -2, -2), QColor(248, 244, 230), QColor(176, 170, 152));
    // Recessed niche for the on-move icon at board (325, 10).
    const QRect niche(325 - panelLeft - 2, 8, 24, 24);
    BevelEdges(panel, niche, QColor(120, 117, 105), QColor(250, 246, 234));
    BevelEdges(panel, niche.adjusted(1, 1, -1, -1), QColor(70, 68, 60), QColor(200, 196, 182));
    // A quiet carved divider between the scores and the icon.
    const QImage ornament = RenderSmooth(
        LogicalSize(panel).width(), LogicalSize(panel).height(),
        [](QPainter& p) {
            p.setPen(QPen(QColor(150, 140, 115), 1));
            p.drawLine(QPointF(112, 20), QPointF(186, 20));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(140, 128, 100));
            for (int leaf = 0; leaf < 4; ++leaf) {
                const double angle = leaf * 3.14159265 / 2;
                p.drawEllipse(QPointF(149 + 2.6 * std::cos(angle), 20 + 2.6 * std::sin(angle)), 2.2, 2.2);
            }
            p.setBrush(QColor(160, 30, 40));
            p.drawEllipse(QPointF(149, 20), 1.5, 1.5);
        },
        4, scale());
    DrawOver(panel, ornament);
    return panel;
}

MarkStyle GothicArt::markStyle() const { return {QColor(52, 40, 100), QColor(236, 232, 220)}; }

}  // namespace artwork
