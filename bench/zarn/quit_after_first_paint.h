// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the event loop once a window's first paint has completed, for start-up measurements.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zarn::bench {

class QuitAfterFirstPaint final : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
        // A window that never paints is a failure, not a hang.
        QTimer::singleShot(20000, this, [] { QCoreApplication::exit(3); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the children are painted and the window flushed before the loop ends.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace zarn::bench
