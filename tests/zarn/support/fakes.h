// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock the test sets, and message boxes that record what they were asked to show.

#include "zarn/message_boxes.h"
#include "zarn/rules/clock.h"

#include <QStringList>
#include <functional>

namespace zarn::test {

class FakeClock final : public Clock {
public:
    std::int64_t MillisecondsSinceStart() const override { return milliseconds; }
    std::int64_t milliseconds = 0;
};

class ScriptedBoxes final : public MessageBoxes {
public:
    void Inform(const QString& text) override {
        shown << text;
        if (whileOpen) whileOpen(text);
    }
    void ReportError(const QString& text) override { shown << QStringLiteral("ERROR: ") + text; }

    QStringList shown;
    std::function<void(const QString&)> whileOpen;  // runs while a box is "open"
};

}  // namespace zarn::test
