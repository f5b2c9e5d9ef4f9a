// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zarn's application object: its menu entry, its name and its own texts on the shared base.

#include "common/game_application.h"
#include "zarn/message_boxes.h"

#include <QApplication>
#include <exception>

namespace zarn {

class ZarnApplication final : public game_application::GameApplication<MessageBoxes> {
public:
    ZarnApplication(int& argc, char** argv);
};

// Czech texts for Qt's own buttons, the window font (Tahoma when installed) and the icon.
void PrepareApplication(QApplication& app);

// The message of an exception for the error box.
QString ErrorText(std::exception_ptr error);

}  // namespace zarn
