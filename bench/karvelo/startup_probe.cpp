// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Karvelo exactly as the program does and ends as soon as the title screen has been
// painted: the start-up figure of the side-by-side comparison.

#include "karvelo/entry.h"
#include "karvelo/form1.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
class QuitAfterPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

int main(int argc, char** argv) {
    QuitAfterPaint quitter;
    return karvelo::RunKarvelo(argc, argv,
                               [&](karvelo::TForm1& form) { form.boardImage->installEventFilter(&quitter); });
}
