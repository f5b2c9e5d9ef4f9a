// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The minefield from the keyboard: the arrow keys move the focus one field in that direction,
// uncovered fields included, so their counts can be read; Ctrl with an arrow jumps to the next
// covered field. Space, as on any button, uncovers a covered field and does nothing on an
// uncovered one. The field is a single Tab stop, and when the field is laid anew the focus goes to
// the covered field nearest to where it was instead of wandering along the window's focus chain.

#include "zarn/rules/field_navigation.h"
#include "zarn/rules/minefield.h"

#include <QObject>
#include <array>
#include <optional>

namespace zarn {

class FieldButton;

using FieldButtons = std::array<std::array<FieldButton*, kArraySide>, kArraySide>;  // rows, columns 1..20

class FieldKeyboard final : public QObject {
public:
    FieldKeyboard(const Minefield& field, const FieldButtons& buttons, QObject* parent);

    // Every field button, once, when it is made.
    void Watch(FieldButton& button);
    // Around laying out a new field, which hides every button first.
    void BeforeLayout();
    void AfterLayout();
    // A click has been handled to its end, flood fill, messages and any new field included.
    void ClickHandled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HasFocus(const FieldButton& button) const;
    void Park(FieldButton& button);
    void Land();
    void MakeTabStop(FieldButton& button);
    FieldButton* At(FieldPosition at) const;

    const Minefield& field_;
    const FieldButtons& buttons_;
    FieldButton* tabStop_ = nullptr;
    std::optional<FieldPosition> parked_;  // the field whose button had the focus when it went away
};

}  // namespace zarn
