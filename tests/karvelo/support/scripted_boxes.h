// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes for tests: records what was shown and answers questions from a script.

#include "karvelo/message_boxes.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>

namespace karvelo::test {

class ScriptedBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString kind;  // "inform", "ask", "error"
        QString caption;
        QString text;
        QString description;  // what a screen reader speaks after the text
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;         // for AskYesNo; No when empty
    std::function<void()> whileOpen;  // runs while a box is "open"

    void Inform(const QString& caption, const QString& text) override { Record("inform", caption, text); }
    bool AskYesNo(const QString& caption, const QString& text) override {
        Record("ask", caption, text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ReportError(const QString& text) override { Record("error", {}, text); }
    void DescribeNextBox(const QString& description) override { nextDescription_ = description; }

    QString LastText() const { return shown.empty() ? QString() : shown.back().text; }
    QString LastCaption() const { return shown.empty() ? QString() : shown.back().caption; }

private:
    void Record(const char* kind, const QString& caption, const QString& text) {
        shown.push_back(
            {QString::fromLatin1(kind), caption, text, std::exchange(nextDescription_, QString())});
        if (whileOpen) whileOpen();
    }

    QString nextDescription_;
};

}  // namespace karvelo::test
