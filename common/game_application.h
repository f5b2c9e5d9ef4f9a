// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object of either program: the one place where an error that escapes an event
// handler is caught, and the Czech texts and the window font both programs set up at start. What
// sets the programs apart (their menu entry, name, texts, fallback font and icon) comes in as
// parameters. Header-only, compiled into each program on its own (the two programs share no
// library).

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <cstdio>
#include <exception>

namespace game_application {

// The message of an exception for the error box; `unknown` for one that is no std::exception.
inline QString ErrorText(std::exception_ptr error, const QString& unknown) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return unknown;
    }
}

// Who the application is to the desktop, and what its error box says of an unknown error.
struct Identity {
    const char* desktopFileName;   // the menu entry, so the desktop shows its name and icon
    const char* applicationName;   // UTF-8; nullptr keeps Qt's default, the executable's name
    const char* unknownErrorText;  // UTF-8
};

// `Boxes` is the program's message-box seam, with ReportError(const QString&).
template <class Boxes> class GameApplication : public QApplication {
public:
    GameApplication(int& argc, char** argv, const Identity& identity)
        : QApplication(argc, argv), unknownErrorText_(QString::fromUtf8(identity.unknownErrorText)) {
        if (identity.applicationName != nullptr)
            setApplicationName(QString::fromUtf8(identity.applicationName));
        setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    }

    void SetMessageBoxes(Boxes* boxes) { boxes_ = boxes; }

    // Delivers the event; an exception thrown by its handler is shown in an error box and the
    // program goes on with its next event. Qt's event loop never sees the exception.
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ReportHandlerError(std::current_exception());
            return true;
        }
    }

    // The one place that reports an error which ended a handler; before any box can be shown,
    // on the standard error stream.
    void ReportHandlerError(std::exception_ptr error) {
        const QString text = ErrorText(error);
        if (boxes_)
            boxes_->ReportError(text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
    }

    QString ErrorText(std::exception_ptr error) const {
        return game_application::ErrorText(error, unknownErrorText_);
    }

private:
    Boxes* boxes_ = nullptr;
    QString unknownErrorText_;
};

// How the program's windows look when Tahoma is not installed, and its icon.
struct Look {
    const char* fallbackFamily;  // a font of about Tahoma's width
    QFont::StyleHint styleHint;  // what the font matcher looks for when that family is missing too
    const char* iconPath;        // a resource; nullptr when the window sets its own icon
};

// Czech texts for Qt's own buttons and menus, and the window font: Tahoma at 8 points when installed.
inline void PrepareApplication(QApplication& app, const Look& look) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QString family = QString::fromUtf8(look.fallbackFamily);
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(tahoma)) {
        const int id = QFontDatabase::addApplicationFont(tahoma);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).first();
    }
    QFont font(family);
    font.setPixelSize(11);
    if (look.styleHint != QFont::AnyStyle) font.setStyleHint(look.styleHint);
    QApplication::setFont(font);

    if (look.iconPath == nullptr) return;
    const QIcon icon(QString::fromUtf8(look.iconPath));
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace game_application
