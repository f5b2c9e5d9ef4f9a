// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/application.h"

namespace zarn {

namespace {

inline constexpr const char* kUnknownErrorText = "Neznámá chyba.";

}  // namespace

ZarnApplication::ZarnApplication(int& argc, char** argv)
    : GameApplication(argc, argv, {"cz.karvelozarn.zarn", kApplicationTitle, kUnknownErrorText}) {}

void PrepareApplication(QApplication& app) {
    // Close to Tahoma's width among the fonts commonly installed.
    game_application::PrepareApplication(app, {"DejaVu Sans Condensed", QFont::AnyStyle, ":/zarn/zarn.png"});
}

QString ErrorText(std::exception_ptr error) {
    return game_application::ErrorText(error, QString::fromUtf8(kUnknownErrorText));
}

}  // namespace zarn
