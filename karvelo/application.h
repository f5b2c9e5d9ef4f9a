// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: the one place where errors that escape an event handler are caught.

#include <QApplication>
#include <exception>
#include <type_traits>
#include <utility>

namespace karvelo {

class MessageBoxes;

class KarveloApplication final : public QApplication {
public:
    KarveloApplication(int& argc, char** argv);

    void SetMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }

    // Delivers the event; an exception thrown by its handler is shown in an error box and the
    // program goes on with its next event.
    bool notify(QObject* receiver, QEvent* event) override;

    // The one place that reports an error which ended a handler.
    void ReportHandlerError(std::exception_ptr error);

private:
    MessageBoxes* boxes_ = nullptr;
};

// Czech texts for Qt's own buttons and menus, and the window font (Tahoma when installed).
void PrepareApplication(QApplication& app);

// The message of an exception for the error box; empty for exceptions that are not errors.
QString ErrorText(std::exception_ptr error);

// Qt's own code is not built to be unwound through, so a handler that Qt calls must not let an
// exception out: Guarded wraps it and hands any error to the application's report.
void ReportHandlerError(std::exception_ptr error);

// A handler may take the signal's arguments or ignore them. A function template of its own, so
// that the branch not taken is never compiled for a handler it does not fit.
template <class Handler, class... Args> void CallHandler(const Handler& handler, Args&&... args) {
    if constexpr (std::is_invocable_v<const Handler&, Args...>)
        handler(std::forward<Args>(args)...);
    else
        handler();
}

template <class Handler> auto Guarded(Handler handler) {
    return [handler](auto&&... args) {
        try {
            CallHandler(handler, std::forward<decltype(args)>(args)...);
        } catch (...) {
            ReportHandlerError(std::current_exception());
        }
    };
}

}  // namespace karvelo
