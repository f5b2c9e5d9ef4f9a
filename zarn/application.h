// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: the one place where an error that escapes an event handler is caught.

#include <QApplication>
#include <exception>

namespace zarn {

class MessageBoxes;

class ZarnApplication final : public QApplication {
public:
    ZarnApplication(int& argc, char** argv);

    void SetMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }

    // Delivers the event; an exception thrown by its handler is shown in an error box and the
    // program goes on with its next event. Qt's event loop never sees the exception.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    MessageBoxes* boxes_ = nullptr;
};

// Czech texts for Qt's own buttons, and the window font (Tahoma when installed).
void PrepareApplication(QApplication& app);

// The message of an exception for the error box.
QString ErrorText(std::exception_ptr error);

}  // namespace zarn
