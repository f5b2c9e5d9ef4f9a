#pragma once
// The application object: the one place where errors that escape an event handler are caught.

#include <QApplication>

namespace karvelo {

class MessageBoxes;

class KarveloApplication final : public QApplication {
public:
    KarveloApplication(int& argc, char** argv);

    void SetMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }

    // Delivers the event; an exception thrown by its handler is shown in an error box and the
    // program goes on with its next event. Qt never sees the exception.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    MessageBoxes* boxes_ = nullptr;
};

// Czech texts for Qt's own buttons and menus, and the window font (Tahoma when installed).
void PrepareApplication(QApplication& app);

// The message of an exception for the error box; empty for exceptions that are not errors.
QString ErrorText(std::exception_ptr error);

}  // namespace karvelo
