#include "zarn/client_surface.h"

#include <QPaintEvent>
#include <QPainter>

namespace zarn {

ClientSurface::ClientSurface(QSize size, QWidget* parent)
    : QWidget(parent), surfaceSize_(size) {
    // The window's colour is the button face.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
}

void ClientSurface::DrawTile(QPoint topLeft, const QImage& tile) {
    if (surface_.isNull()) {
        // Made on first use: until a game is played the window needs no tile memory.
        surface_ = QImage(surfaceSize_, QImage::Format_ARGB32_Premultiplied);
        surface_.fill(Qt::transparent);
    }
    {
        QPainter painter(&surface_);
        painter.drawImage(topLeft, tile);
    }
    update(QRect(topLeft, tile.size()));
}

void ClientSurface::Clear() {
    if (surface_.isNull()) return;
    surface_.fill(Qt::transparent);
    update();
}

void ClientSurface::paintEvent(QPaintEvent* event) {
    if (surface_.isNull()) return;
    QPainter painter(this);
    const QRect dirty = event->rect() & surface_.rect();
    if (!dirty.isEmpty()) painter.drawImage(dirty.topLeft(), surface_, dirty);
}

}  // namespace zarn
