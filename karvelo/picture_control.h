// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture with a persistent drawing surface: what is painted stays until painted over.

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace karvelo {

class PictureControl final : public QWidget {
    Q_OBJECT  // its class name lets the accessibility factory recognise it

        public :
        // The surface holds width x height logical pixels in device pixels of `deviceRatio`; everything
        // painted on it and every press on the control is in logical pixels.
        PictureControl(int width, int height, qreal deviceRatio = 1.0);

    // Re-allocates the surface for another device pixel ratio (the window moved to another screen);
    // what was painted is gone, so only a caller about to paint everything calls it.
    void SetDeviceRatio(qreal deviceRatio);

    // Made black when first asked for.
    QImage& surface();
    const QImage& surface() const { return surface_; }  // null until first painted on
    // Takes a picture of exactly the surface's size and density as the surface itself, without
    // a copy; false (and nothing changes) for any other picture.
    bool AdoptSurface(const QImage& picture);
    // Shows what was painted on the surface since the last call.
    void Refresh() { update(); }

    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMouseDown;
    // Drawn over the surface on the screen only; the surface itself never sees it.
    std::function<void(QPainter&)> paintOverlay;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSize SurfaceSize() const;  // in device pixels

    QSize logicalSize_;
    qreal ratio_ = 1.0;
    QImage surface_;
};

}  // namespace karvelo
