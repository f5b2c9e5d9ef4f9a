// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Karvelo's start-up: a bare window with a menu bar that paints one
// 480 x 480 pixmap, ending after its first paint.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace {
class Picture final : public QWidget {
public:
    Picture() : pixmap_(480, 480) {
        pixmap_.fill(Qt::darkGray);
        setFixedSize(480, 480);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawPixmap(0, 0, pixmap_);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

private:
    QPixmap pixmap_;
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Hra"))->addAction(QStringLiteral("Hrát"));
    window.setCentralWidget(new Picture);
    window.show();
    return app.exec();
}
