// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/board_keyboard.h"

#include "common/arrow_step.h"
#include "karvelo/picture_control.h"

#include <QKeyEvent>
#include <QPainter>

namespace karvelo {

BoardKeyboard::BoardKeyboard(PictureControl& board, const MatchState& match,
                             std::function<void(int column, int row)> press)
    : QObject(&board), board_(board), match_(match), press_(std::move(press)) {
    board_.installEventFilter(this);
}

QRect BoardKeyboard::FieldRect(int column, int row) const {
    const int w = match_.cellWidth;
    const int h = match_.cellHeight;
    return {(column + 1) * w, (row + 1) * h, w, h};
}

void BoardKeyboard::PressField(int column, int row) {
    const QRect before = cursor_.Visible() ? FieldRect(cursor_.Column(), cursor_.Row()) : QRect();
    cursor_.MoveTo(column, row);
    cursor_.Show();
    Redraw(before);
    press_(cursor_.Column(), cursor_.Row());
}

void BoardKeyboard::MatchStarted() {
    const QRect before = cursor_.Visible() ? FieldRect(cursor_.Column(), cursor_.Row()) : QRect();
    cursor_.Reset();
    Redraw(before);
}

void BoardKeyboard::BoardShown() {
    board_.setFocusPolicy(Qt::StrongFocus);
    if (!board_.isVisible()) return;
    if (!board_.hasFocus()) board_.setFocus(Qt::OtherFocusReason);
}

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &board_) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
        if (cursor_.Visible()) {
            const QRect before = FieldRect(cursor_.Column(), cursor_.Row());
            cursor_.Hide();
            Redraw(before);
        }
        return false;  // the press itself goes on to the board
    default:
        return false;
    }
}

bool BoardKeyboard::HandleKey(const QKeyEvent& key) {
    // A board hidden under another page keeps its match but never plays from the keyboard.
    if (match_.matchRunning == 0 || !board_.isVisible()) return false;
    if (const std::optional<arrow_step::Step> step = arrow_step::ForKey(key.key())) {
        const QRect before = cursor_.Visible() ? FieldRect(cursor_.Column(), cursor_.Row()) : QRect();
        cursor_.Step(step->dColumn, step->dRow);
        Redraw(before);
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!cursor_.Visible()) {
            cursor_.Show();
            Redraw(QRect());
        } else if (!key.isAutoRepeat()) {
            PressField(cursor_.Column(), cursor_.Row());
            if (pressHandled) pressHandled();
        }
        return true;
    default:
        return false;
    }
}

void BoardKeyboard::Redraw(const QRect& before) {
    if (before.isValid()) board_.update(before);
    if (cursor_.Visible()) board_.update(FieldRect(cursor_.Column(), cursor_.Row()));
    if (cursorChanged) cursorChanged();
}

void BoardKeyboard::Paint(QPainter& painter) const {
    if (!cursor_.Visible() || match_.matchRunning == 0) return;
    // Dark, light, dark: visible on the light and the dark pictures of every theme.
    const QRect field = FieldRect(cursor_.Column(), cursor_.Row());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(field.adjusted(0, 0, -1, -1));
    painter.drawRect(field.adjusted(2, 2, -3, -3));
    painter.setPen(QPen(QColor(255, 214, 0), 1));
    painter.drawRect(field.adjusted(1, 1, -2, -2));
}

}  // namespace karvelo
