#pragma once
// A picture with a persistent drawing surface: what is painted stays until painted over.

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace karvelo {

class PictureControl final : public QWidget {
    Q_OBJECT  // its class name lets the accessibility factory recognise it

public:
    PictureControl(int width, int height);

    QImage& surface() { return surface_; }
    const QImage& surface() const { return surface_; }
    // Shows what was painted on the surface since the last call.
    void Refresh() { update(); }

    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMouseDown;
    // Drawn over the surface on the screen only; the surface itself never sees it.
    std::function<void(QPainter&)> paintOverlay;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage surface_;
};

}  // namespace karvelo
