// SPDX-License-Identifier: GPL-3.0-or-later
// Errors that escape an event handler are shown once and the program goes on.

#include "karvelo/application.h"
#include "karvelo/form1.h"
#include "karvelo/theme_images.h"
#include "support/form_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

using namespace karvelo;

namespace {
class Thrower final : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++handled;
        throw std::runtime_error("Disk je plný.");
    }
};
}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void escapedErrorIsShownAndTheLoopGoesOn() {
        auto* app = static_cast<KarveloApplication*>(QCoreApplication::instance());
        test::ScriptedBoxes boxes;
        app->SetMessageBoxes(&boxes);
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(thrower.handled, 2);
        QCOMPARE(boxes.shown.size(), size_t(2));
        QCOMPARE(boxes.shown[0].kind, QStringLiteral("error"));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Disk je plný."));
        app->SetMessageBoxes(nullptr);
    }

    void failedThemeFromTheMenuCutsTheHandlerShort() {
        auto* app = static_cast<KarveloApplication*>(QCoreApplication::instance());
        test::FormFixture f;
        app->SetMessageBoxes(&f.boxes);
        TForm1& form = f.Start();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Schema1->trigger();
        QFile::remove(f.dir.filePath("obr/Gothic/Pole.bmp"));
        // The menu command goes through the event loop like a user's click would.
        QMetaObject::invokeMethod(form.Hrat1, &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown[0].kind, QStringLiteral("error"));
        QVERIFY(f.boxes.shown[0].text.contains(QStringLiteral("obr/Gothic/Pole.bmp")));
        // The settings page stays: nothing was hidden before the load failed.
        QVERIFY(form.CB[0]->isVisible());
        app->SetMessageBoxes(nullptr);
    }
};

int main(int argc, char** argv) {
    KarveloApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_application.moc"
