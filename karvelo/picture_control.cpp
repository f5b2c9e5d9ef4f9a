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
    if (deviceRatio == ratio_ && !surface_.isNull()) return;
    ratio_ = deviceRatio;
    surface_ = QImage();  // made when first painted on
}

QSize PictureControl::SurfaceSize() const {
    return {qCeil(logicalSize_.width() * ratio_), qCeil(logicalSize_.height() * ratio_)};
}

QImage& PictureControl::surface() {
    if (surface_.isNull()) {
        surface_ = QImage(SurfaceSize(), QImage::Format_RGB32);
        surface_.setDevicePixelRatio(ratio_);
        surface_.fill(Qt::black);
        if (firstPicture_) {
            QPainter painter(&surface_);
            firstPicture_(painter);
            firstPicture_ = nullptr;
        }
    }
    return surface_;
}

void PictureControl::SetFirstPicture(std::function<void(QPainter&)> paint) {
    surface_ = QImage();
    firstPicture_ = std::move(paint);
    update();
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    // The source rectangle is in the surface's own pixels.
    if (surface_.isNull()) {
        painter.fillRect(dirty, Qt::black);
        if (firstPicture_) {
            painter.save();
            painter.setClipRect(dirty);
            firstPicture_(painter);
            painter.restore();
        }
        if (paintOverlay) paintOverlay(painter);
        return;
    }
    const qreal ratio = surface_.devicePixelRatio();
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio);
    painter.drawImage(QRectF(dirty), surface_, source);
    if (paintOverlay) paintOverlay(painter);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        // The logical pixel that holds the press. On a dense screen a press may lie between two
        // logical pixels (59.5 at 200 %), and the toolkit rounds the widget's own position to the
        // nearer one; the screen position keeps the fraction, so the press is taken from there.
        const QPointF p = mapFromGlobal(event->globalPosition());
        onMouseDown(event->button(), event->modifiers(), qFloor(p.x()), qFloor(p.y()));
    }
}

}  // namespace karvelo
