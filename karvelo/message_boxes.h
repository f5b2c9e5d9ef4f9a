// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program shows message boxes, so tests can script answers and read what was shown.

#include <QString>

namespace karvelo {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Inform(const QString& caption, const QString& text) = 0;  // one OK button
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    virtual void ReportError(const QString& text) = 0;  // an error that ended a handler or start-up
    // What a screen reader is to speak with the next box, after its caption and text; the box on
    // screen stays as it is. A box takes the reader's attention at once, so what happened just
    // before it (the move that ended a match) is heard only as part of it.
    virtual void DescribeNextBox(const QString& /*description*/) {}
};

// Real boxes: modal for the whole application, no icon, no owner window.
class QtMessageBoxes final : public MessageBoxes {
public:
    void Inform(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    void ReportError(const QString& text) override;
    void DescribeNextBox(const QString& description) override { nextDescription_ = description; }

private:
    int Run(const QString& caption, const QString& text, int buttons);

    QString nextDescription_;
};

}  // namespace karvelo
