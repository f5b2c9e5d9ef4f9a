// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Karvelo's application object: its menu entry and its own texts on the shared base, and the
// guard that keeps an error from unwinding through Qt's code.

#include "common/game_application.h"
#include "karvelo/message_boxes.h"

#include <QApplication>
#include <exception>
#include <type_traits>
#include <utility>

namespace karvelo {

class KarveloApplication final : public game_application::GameApplication<MessageBoxes> {
public:
    KarveloApplication(int& argc, char** argv);
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
