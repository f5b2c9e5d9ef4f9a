// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/field_keyboard.h"

#include "common/arrow_step.h"
#include "zarn/field_button.h"

#include <QKeyEvent>

namespace zarn {

FieldKeyboard::FieldKeyboard(const Minefield& field, const FieldButtons& buttons, QObject* parent)
    : QObject(parent), field_(field), buttons_(buttons) {}

void FieldKeyboard::Watch(FieldButton& button) {
    button.installEventFilter(this);
    // Tab reaches one field, the tab stop; the arrow keys do the rest.
    if (tabStop_ == nullptr) {
        tabStop_ = &button;
        button.setFocusPolicy(Qt::StrongFocus);
    } else {
        button.setFocusPolicy(Qt::ClickFocus);
    }
}

FieldButton* FieldKeyboard::At(FieldPosition at) const {
    if (at.row < 1 || at.row > kMaxSide || at.column < 1 || at.column > kMaxSide) return nullptr;
    return buttons_[at.row][at.column];
}

bool FieldKeyboard::HasFocus(const FieldButton& button) const {
    // The window's focus widget, also while another window is active.
    return button.window()->focusWidget() == &button;
}

void FieldKeyboard::Park(FieldButton& button) {
    parked_ = FieldPosition{button.Row(), button.Column()};
    // Without a focus widget, hiding buttons moves no focus along the chain (and a screen reader
    // hears nothing of the fields that disappear on the way).
    button.clearFocus();
}

void FieldKeyboard::BeforeLayout() {
    for (std::int32_t row = 1; row <= kMaxSide; ++row)
        for (std::int32_t column = 1; column <= kMaxSide; ++column)
            if (FieldButton* button = buttons_[row][column]; HasFocus(*button)) Park(*button);
}

void FieldKeyboard::AfterLayout() { Land(); }

void FieldKeyboard::ClickHandled() { Land(); }

void FieldKeyboard::Land() {
    const FieldPosition home = parked_.value_or(FieldPosition{tabStop_->Row(), tabStop_->Column()});
    const std::optional<FieldPosition> nearest = NearestCoveredField(field_, home);
    FieldButton* target = nearest ? At(*nearest) : nullptr;
    if (target == nullptr || target->isHidden()) return;
    if (tabStop_->isHidden() || !IsCoveredField(field_, {tabStop_->Row(), tabStop_->Column()}))
        MakeTabStop(*target);
    // Only a focus that went away with its field comes back, and only while nothing else took it.
    if (parked_ && target->window()->focusWidget() == nullptr) target->setFocus(Qt::OtherFocusReason);
    parked_.reset();
}

void FieldKeyboard::MakeTabStop(FieldButton& button) {
    if (tabStop_ == &button) return;
    tabStop_->setFocusPolicy(Qt::ClickFocus);
    button.setFocusPolicy(Qt::StrongFocus);
    tabStop_ = &button;
}

bool FieldKeyboard::eventFilter(QObject* watched, QEvent* event) {
    // Not a field button any more while one is being destroyed.
    auto* button = qobject_cast<FieldButton*>(watched);
    if (button == nullptr) return false;
    if (event->type() == QEvent::FocusIn) {
        MakeTabStop(*button);
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<arrow_step::Step> step = arrow_step::ForKey(key->key());
    if (!step) {
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Select:
            return button->IsUncovered();  // an uncovered field is only read, never pressed
        default:
            return false;
        }
    }
    if (event->type() == QEvent::KeyRelease) return true;
    const FieldPosition from{button->Row(), button->Column()};
    const FieldPosition to = key->modifiers() & Qt::ControlModifier
                                 ? NextCoveredField(field_, from, step->dRow, step->dColumn)
                                 : NeighbourField(field_, from, step->dRow, step->dColumn);
    if (to != from)
        if (FieldButton* next = At(to); next != nullptr && !next->isHidden())
            next->setFocus(Qt::OtherFocusReason);
    return true;  // at the edge the focus stays where it is
}

}  // namespace zarn
