// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/application.h"

#include <cstdio>

namespace karvelo {

// An exception that is no error says nothing in its box.
KarveloApplication::KarveloApplication(int& argc, char** argv)
    : GameApplication(argc, argv, {"cz.karvelozarn.karvelo", nullptr, ""}) {}

QString ErrorText(std::exception_ptr error) { return game_application::ErrorText(error, QString()); }

void ReportHandlerError(std::exception_ptr error) {
    if (auto* app = dynamic_cast<KarveloApplication*>(QCoreApplication::instance()))
        app->ReportHandlerError(error);
    else
        std::fprintf(stderr, "%s\n", qPrintable(ErrorText(error)));
}

void PrepareApplication(QApplication& app) {
    // Without Tahoma, a sans font of about its width.
    game_application::PrepareApplication(app, {"Tahoma", QFont::SansSerif, nullptr});
}

}  // namespace karvelo
