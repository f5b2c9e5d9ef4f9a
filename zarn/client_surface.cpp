#include "zarn/client_surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace zarn {

ClientSurface::ClientSurface(QSize size, QWidget* parent)
    : QWidget(parent), surface_(size, QImage::Format_ARGB32_Premultiplied) {
    surface_.fill(Qt::transparent);
    // The window's colour is the button face.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
}

void ClientSurface::DrawTile(QPoint topLeft, const QImage& tile) {
    {
        QPainter painter(&surface_);
        painter.drawImage(topLeft, tile);
    }
    update(QRect(topLeft, tile.size()));
}

void ClientSurface::Clear() {
    surface_.fill(Qt::transparent);
    update();
}

void ClientSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect() & surface_.rect();
    if (!dirty.isEmpty()) painter.drawImage(dirty.topLeft(), surface_, dirty);
}

}  // namespace zarn
