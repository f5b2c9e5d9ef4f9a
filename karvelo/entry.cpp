// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/entry.h"

#include "karvelo/application.h"
#include "karvelo/form1.h"
#include "karvelo/match/random_source.h"
#include "karvelo/message_boxes.h"

#include <chrono>
#include <memory>

namespace karvelo {

int RunKarvelo(int argc, char** argv, const std::function<void(TForm1&)>& onShown) {
    KarveloApplication app(argc, argv);
    PrepareApplication(app);
    QtMessageBoxes boxes;
    app.SetMessageBoxes(&boxes);

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    SeededRandom random(
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count()));

    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(boxes, random);
    } catch (...) {
        // The window is never shown when start-up cannot complete.
        boxes.ReportError(ErrorText(std::current_exception()));
        return 0;
    }
    form->show();
    if (onShown) onShown(*form);
    app.exec();
    return 0;
}

}  // namespace karvelo
