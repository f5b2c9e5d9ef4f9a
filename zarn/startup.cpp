// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/startup.h"

#include "zarn/application.h"
#include "zarn/form1.h"
#include "zarn/message_boxes.h"
#include "zarn/rules/clock.h"
#include "zarn/rules/random_source.h"

#include <memory>

namespace zarn {

int RunZarn(int& argc, char** argv, const std::function<void(TForm1&)>& afterShow) {
    const SteadyClock clock;  // first, so the game's time counts from program start
    ZarnApplication app(argc, argv);
    QtMessageBoxes boxes;
    app.SetMessageBoxes(&boxes);
    try {
        PrepareApplication(app);
        ClockSeededSource random;
        TForm1 form(boxes, random, clock);
        boxes.SetOwner(&form);
        form.show();
        if (afterShow) afterShow(form);
        return app.exec();
    } catch (...) {
        // An error that escapes start-up ends the program once it has been shown.
        boxes.SetOwner(nullptr);
        boxes.ReportError(ErrorText(std::current_exception()));
        return 1;
    }
}

}  // namespace zarn
