// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's client area. Tiles are painted onto a persistent image that every repaint shows,
// so they survive the window being covered and uncovered.

#include <QImage>
#include <QWidget>

namespace zarn {

class ClientSurface final : public QWidget {
public:
    ClientSurface(QSize size, QWidget* parent);

    // Paints the tile at its own size and repaints just that rectangle.
    void DrawTile(QPoint topLeft, const QImage& tile);

    // Removes every tile, ready for a new field.
    void Clear();

    // Null until the first tile is drawn.
    const QImage& Surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize surfaceSize_;
    QImage surface_;
};

}  // namespace zarn
