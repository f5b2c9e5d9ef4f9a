// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/client_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

namespace zarn {

ClientSurface::ClientSurface(QSize size, QWidget* parent) : QWidget(parent), surfaceSize_(size) {
    // The window's colour is the button face.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
}

void ClientSurface::DrawTile(QPoint topLeft, const QImage& tile) {
    if (surface_.isNull()) {
        // Made on first use: until a game is played the window needs no tile memory. It holds
        // device pixels, so a twin tile keeps its detail on a dense screen.
        const qreal ratio = devicePixelRatioF();
        surface_ = QImage(qCeil(surfaceSize_.width() * ratio), qCeil(surfaceSize_.height() * ratio),
                          QImage::Format_ARGB32_Premultiplied);
        surface_.setDevicePixelRatio(ratio);
        surface_.fill(Qt::transparent);
    }
    {
        QPainter painter(&surface_);
        // Between ratios 1 and 2 the twins are scaled down: smoothly, not by dropping pixels.
        if (tile.devicePixelRatio() != surface_.devicePixelRatio())
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(topLeft, tile);
    }
    update(QRect(topLeft, tile.deviceIndependentSize().toSize()));
}

void ClientSurface::Clear() {
    if (surface_.isNull()) return;
    // A new field after a move to a screen of another density gets a surface of that density.
    if (surface_.devicePixelRatio() != devicePixelRatioF())
        surface_ = QImage();
    else
        surface_.fill(Qt::transparent);
    update();
}

void ClientSurface::paintEvent(QPaintEvent* event) {
    if (surface_.isNull()) return;
    QPainter painter(this);
    const QRect dirty = event->rect() & QRect(QPoint(0, 0), surfaceSize_);
    if (dirty.isEmpty()) return;
    // The source rectangle is in the surface's own pixels.
    const qreal ratio = surface_.devicePixelRatio();
    painter.drawImage(
        QRectF(dirty), surface_,
        QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}

}  // namespace zarn
