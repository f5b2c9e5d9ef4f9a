// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/application.h"

#include "karvelo/message_boxes.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace karvelo {

KarveloApplication::KarveloApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon.
    setDesktopFileName(QStringLiteral("cz.karvelozarn.karvelo"));
}

QString ErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return {};
    }
}

bool KarveloApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportHandlerError(std::current_exception());
        return true;
    }
}

void KarveloApplication::ReportHandlerError(std::exception_ptr error) {
    const QString text = ErrorText(error);
    if (boxes_)
        boxes_->ReportError(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

void ReportHandlerError(std::exception_ptr error) {
    if (auto* app = dynamic_cast<KarveloApplication*>(QCoreApplication::instance()))
        app->ReportHandlerError(error);
    else
        std::fprintf(stderr, "%s\n", qPrintable(ErrorText(error)));
}

void PrepareApplication(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QString family = QStringLiteral("Tahoma");
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(tahoma)) {
        const int id = QFontDatabase::addApplicationFont(tahoma);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).first();
    }
    QFont font(family);
    font.setPixelSize(11);
    // Without Tahoma, a sans font of about its width.
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

}  // namespace karvelo
