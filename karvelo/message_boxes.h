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
};

// Real boxes: modal for the whole application, no icon, no owner window.
class QtMessageBoxes final : public MessageBoxes {
public:
    void Inform(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    void ReportError(const QString& text) override;
};

}  // namespace karvelo
