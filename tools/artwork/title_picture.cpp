// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_picture.h"

#include "bmp_file.h"
#include "lettering.h"
#include "raster.h"
#include "title_scenes.h"

#include <QLinearGradient>

namespace artwork {

namespace {

void PaintArea(QImage& picture, const QRect& area, const std::function<void(QPainter&)>& paint) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    paint(painter);
}

}  // namespace

void PaintStoneAt(QPainter& painter, const ThemeArt& theme, int set, int variant, QPointF at, double size) {
    painter.save();
    painter.translate(at);
    painter.scale(size / fieldSize, size / fieldSize);
    theme.paintStone(painter, set, variant);
    painter.restore();
}

QImage TitlePicture(const TitleThemes& themes, const QString& fontFamily, int scale) {
    QImage picture = Solid(boardPixels, boardPixels, Qt::black, scale);
    PaintArea(picture, oceanArea,
              [&](QPainter& p) { PaintOceanScene(p, oceanArea, themes.ocean, fontFamily); });
    PaintArea(picture, gothicArea,
              [&](QPainter& p) { PaintGothicScene(p, gothicArea, themes.gothic, fontFamily); });
    PaintArea(picture, gardenArea,
              [&](QPainter& p) { PaintGardenScene(p, gardenArea, themes.garden, fontFamily); });
    PaintArea(picture, mysteryArea,
              [&](QPainter& p) { PaintMysteryScene(p, mysteryArea, themes.mystery, fontFamily); });

    // A dark seam between the sea and the rest.
    PaintArea(picture, LogicalRect(picture), [](QPainter& p) {
        // Whole logical pixels, so the twin's seam lies on the same click-region border.
        p.fillRect(QRect(oceanArea.right(), 0, 1, boardPixels), QColor(8, 24, 60));
        p.fillRect(QRect(oceanArea.right() + 1, 0, 1, boardPixels), QColor(40, 38, 34));
    });

    // The name and the invitation head the largest area.
    PaintArea(picture, gothicArea, [&](QPainter& p) {
        QLinearGradient gold(0, 22, 0, 68);
        gold.setColorAt(0, QColor(255, 246, 190));
        gold.setColorAt(0.5, QColor(246, 196, 70));
        gold.setColorAt(1, QColor(180, 110, 20));
        DrawOutlinedText(p, "Karvelo", TextFont(fontFamily, 58, true),
                         QPointF(gothicArea.center().x() + 1, 70), gold, QColor(40, 24, 6), 2.2);
        DrawOutlinedText(p, "Vyberte si prostředí", TextFont(fontFamily, 17, true),
                         QPointF(gothicArea.center().x() + 1, 98), QColor(255, 250, 232), QColor(40, 36, 30),
                         1.6);
    });
    return picture;
}

bool WriteTitlePicture(const QString& path, const TitleThemes& themes, const QString& fontFamily, int scale,
                       QString* error) {
    return WriteBmp24(TitlePicture(themes, fontFamily, scale), path, error);
}

}  // namespace artwork
