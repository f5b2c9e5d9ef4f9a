// SPDX-License-Identifier: GPL-3.0-or-later
// The window of each game belongs to its menu entry: the application names the installed
// desktop file, so the desktop shows the entry's name and icon for the running game.
#include "karvelo/application.h"
#include "zarn/application.h"

#include <QtTest>

class DesktopIdentity : public QObject {
    Q_OBJECT

private slots:
    void eachGameNamesItsOwnMenuEntry() {
        int argc = 1;
        char name[] = "test";
        char* argv[] = {name, nullptr};
        {
            karvelo::KarveloApplication app(argc, argv);
            QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(KARVELO_DESKTOP_ID));
        }
        {
            zarn::ZarnApplication app(argc, argv);
            QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZARN_DESKTOP_ID));
        }
    }
};

QTEST_APPLESS_MAIN(DesktopIdentity)
#include "test_desktop_identity.moc"
