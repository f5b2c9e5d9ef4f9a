// Karvelo: five in a row against friends or the computer.

#include "karvelo/application.h"
#include "karvelo/form1.h"
#include "karvelo/match/random_source.h"
#include "karvelo/message_boxes.h"

#include <chrono>

int main(int argc, char** argv) {
    karvelo::KarveloApplication app(argc, argv);
    karvelo::PrepareApplication(app);
    karvelo::QtMessageBoxes boxes;
    app.SetMessageBoxes(&boxes);

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    karvelo::SeededRandom random(
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count()));

    std::unique_ptr<karvelo::TForm1> form;
    try {
        form = std::make_unique<karvelo::TForm1>(boxes, random);
    } catch (...) {
        // The window is never shown when start-up cannot complete.
        boxes.ReportError(karvelo::ErrorText(std::current_exception()));
        return 0;
    }
    form->show();
    app.exec();
    return 0;
}
