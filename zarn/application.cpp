// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/application.h"

#include "zarn/message_boxes.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace zarn {

ZarnApplication::ZarnApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kApplicationTitle));
    // Ties the window to its menu entry, so the desktop shows the entry's name and icon.
    setDesktopFileName(QStringLiteral("cz.karvelozarn.zarn"));
}

QString ErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Neznámá chyba.");
    }
}

bool ZarnApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = ErrorText(std::current_exception());
        if (boxes_) boxes_->ReportError(text);
        return true;
    }
}

namespace {

QString WindowFontFamily() {
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(tahoma)) {
        const int id = QFontDatabase::addApplicationFont(tahoma);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            return QFontDatabase::applicationFontFamilies(id).first();
    }
    // Close to Tahoma's width among the fonts commonly installed.
    return QStringLiteral("DejaVu Sans Condensed");
}

}  // namespace

void PrepareApplication(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    QFont font(WindowFontFamily());
    font.setPixelSize(11);
    QApplication::setFont(font);

    const QIcon icon(QStringLiteral(":/zarn/zarn.png"));
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace zarn
