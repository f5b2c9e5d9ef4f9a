// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program shows message boxes, so tests can script them and read what was shown.

#include <QString>

class QWidget;

namespace zarn {

inline constexpr const char* kApplicationTitle = "Zarn";

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Inform(const QString& text) = 0;       // returns when the player has closed it
    virtual void ReportError(const QString& text) = 0;  // an error that ended a handler or start-up
};

// Real boxes: modal, no icon, a single OK button, the application's title as caption.
class QtMessageBoxes final : public MessageBoxes {
public:
    // Boxes are centred over the owner once there is one.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Inform(const QString& text) override;
    void ReportError(const QString& text) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace zarn
