// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/picture_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace karvelo {

PictureControl::PictureControl(int width, int height, qreal deviceRatio) : logicalSize_(width, height) {
    SetDeviceRatio(deviceRatio);
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureControl::SetDeviceRatio(qreal deviceRatio) {
    if (!surface_.isNull() && surface_.devicePixelRatio() == deviceRatio) return;
    surface_ = QImage(qCeil(logicalSize_.width() * deviceRatio), qCeil(logicalSize_.height() * deviceRatio),
                      QImage::Format_RGB32);
    surface_.setDevicePixelRatio(deviceRatio);
    surface_.fill(Qt::black);
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    // The source rectangle is in the surface's own pixels.
    const qreal ratio = surface_.devicePixelRatio();
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio);
    painter.drawImage(QRectF(dirty), surface_, source);
    if (paintOverlay) paintOverlay(painter);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    }
}

}  // namespace karvelo
