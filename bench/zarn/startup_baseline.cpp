// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt Widgets window with 400 push buttons, ending after its
// first paint.

#include "quit_after_first_paint.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(411, 480);
    for (int row = 0; row < 20; ++row)
        for (int column = 0; column < 20; ++column)
            (new QPushButton(&window))->setGeometry(5 + 20 * column, 5 + 20 * row, 20, 20);
    window.show();
    new zarn::bench::QuitAfterFirstPaint(window);
    return app.exec();
}
