#include "karvelo/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace karvelo {

PictureControl::PictureControl(int width, int height) : surface_(width, height, QImage::Format_RGB32) {
    surface_.fill(Qt::black);
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_, event->rect());
    if (paintOverlay) paintOverlay(painter);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(event->button(), event->modifiers(), p.x(), p.y());
    }
}

}  // namespace karvelo
