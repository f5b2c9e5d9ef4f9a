// SPDX-License-Identifier: GPL-3.0-or-later
// The application base both programs compile in: an error that escapes a handler reaches the
// program's boxes in its own words and the loop goes on; each program keeps its own look.

#include "common/game_application.h"

#include <QTest>
#include <stdexcept>

namespace {

struct RecordedBoxes {
    void ReportError(const QString& text) { errors.push_back(text); }
    QStringList errors;
};

class Thrower final : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("Disk je plný.");
        if (e->type() == QEvent::User + 1) throw 42;
        return QObject::event(e);
    }
};

}  // namespace

class GameApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void escapedErrorsReachTheBoxesInTheProgramsWords() {
        auto* app =
            static_cast<game_application::GameApplication<RecordedBoxes>*>(QCoreApplication::instance());
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Žárn"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cz.example.test"));
        RecordedBoxes boxes;
        app->SetMessageBoxes(&boxes);
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
        QCoreApplication::processEvents();
        QCOMPARE(boxes.errors,
                 (QStringList{QStringLiteral("Disk je plný."), QStringLiteral("Neznámá chyba.")}));
        app->SetMessageBoxes(nullptr);
    }

    void eachProgramKeepsItsFontHintAndIcon() {
        game_application::PrepareApplication(*qApp, {"DejaVu Sans Condensed", QFont::AnyStyle, nullptr});
        QCOMPARE(QApplication::font().pixelSize(), 11);
        QCOMPARE(QApplication::font().styleHint(), QFont::AnyStyle);
        QVERIFY(QApplication::windowIcon().isNull());
        game_application::PrepareApplication(*qApp, {"Tahoma", QFont::SansSerif, nullptr});
        QCOMPARE(QApplication::font().styleHint(), QFont::SansSerif);
    }
};

int main(int argc, char** argv) {
    game_application::GameApplication<RecordedBoxes> app(argc, argv,
                                                         {"cz.example.test", "Žárn", "Neznámá chyba."});
    GameApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_game_application.moc"
