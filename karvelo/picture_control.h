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

    // Made when first asked for: black, with the first picture (if any) painted on it.
    QImage& surface();
    const QImage& surface() const { return surface_; }  // null until first painted on
    // What the control shows until its surface is made, painted straight onto the screen: a
    // picture shown once, and then painted over, never needs a surface of its own.
    void SetFirstPicture(std::function<void(QPainter&)> paint);
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
    std::function<void(QPainter&)> firstPicture_;
};

}  // namespace karvelo
