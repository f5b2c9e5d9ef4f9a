// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_composer.h"

#include "raster.h"

#include <QPainter>

namespace artwork {

QImage Turned(const QImage& image, int quarterTurns) {
    QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int turn = 0; turn < ((quarterTurns % 4) + 4) % 4; ++turn) {
        QImage dst(src.height(), src.width(), QImage::Format_ARGB32_Premultiplied);
        dst.setDevicePixelRatio(src.devicePixelRatio());
        // Clockwise: source (x, y) lands at (height - 1 - y, x).
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x) dst.setPixel(src.height() - 1 - y, x, src.pixel(x, y));
        src = dst;
    }
    return src;
}

QImage ComposeFrame(const ThemeArt& theme) {
    QImage frame = Transparent(boardPixels, boardPixels, theme.scale());
    const QImage band = theme.topBand();
    const QImage corner = theme.corner();
    QPainter painter(&frame);
    painter.drawImage(0, 0, band);
    painter.drawImage(boardPixels - bandWidth, 0, Turned(band, 1));
    painter.drawImage(0, boardPixels - bandWidth, Turned(band, 2));
    painter.drawImage(0, 0, Turned(band, 3));
    painter.drawImage(0, 0, corner);
    painter.drawImage(boardPixels - bandWidth, 0, Turned(corner, 1));
    painter.drawImage(boardPixels - bandWidth, boardPixels - bandWidth, Turned(corner, 2));
    painter.drawImage(0, boardPixels - bandWidth, Turned(corner, 3));
    return frame;
}

QImage ComposePanelStrip(const ThemeArt& theme, const QImage& frame) {
    QImage strip = LogicalCopy(frame, QRect(0, 0, boardPixels, bandWidth));
    const QImage behind = LogicalCopy(strip, QRect(panelLeft, 0, panelRight - panelLeft, bandWidth));
    QPainter painter(&strip);
    painter.drawImage(panelLeft, 0, theme.panel(behind));
    return strip;
}

}  // namespace artwork
