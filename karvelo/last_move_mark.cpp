// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/last_move_mark.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace karvelo {

void LastMoveMark::SetEnabled(bool enabled) {
    const QRect before = MarkedField();
    enabled_ = enabled;
    Redraw(before);
}

void LastMoveMark::MatchStarted() {
    const QRect before = MarkedField();
    column_ = row_ = 0;
    Redraw(before);
}

void LastMoveMark::StonePlaced(int column, int row) {
    const QRect before = MarkedField();
    column_ = column;
    row_ = row;
    Redraw(before);
}

QRect LastMoveMark::MarkedField() const {
    // A decided or abandoned match shows its final position unmarked: the five is what counts.
    if (!enabled_ || column_ < 1 || column_ > boardSize || row_ < 1 || row_ > boardSize) return {};
    if (match_.matchRunning == 0 || match_.gameOver != 0) return {};
    if (match_.board[column_][row_].state == fsEmpty) return {};
    const int w = match_.cellWidth, h = match_.cellHeight;
    return {(column_ + 1) * w, (row_ + 1) * h, w, h};
}

void LastMoveMark::Paint(QPainter& painter) const {
    const QRect field = MarkedField();
    if (!field.isValid()) return;
    // Brackets in the field's corners only, where the symbols leave their background: white on a
    // black edge, which reads on the light and the dark pictures of every theme.
    const qreal arm = qMax(3.0, field.width() / 4.0);
    const QRectF box = QRectF(field).adjusted(1.0, 1.0, -1.0, -1.0);
    QPainterPath brackets;
    const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    const QPointF toward[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        const QPointF c = corners[i];
        brackets.moveTo(c.x() + toward[i].x() * arm, c.y());
        brackets.lineTo(c);
        brackets.lineTo(c.x(), c.y() + toward[i].y() * arm);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(brackets);
    painter.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(brackets);
    painter.restore();
}

void LastMoveMark::Refresh() { Redraw(shown_); }

void LastMoveMark::Redraw(const QRect& before) {
    if (before.isValid()) board_.update(before);
    shown_ = MarkedField();
    if (shown_.isValid()) board_.update(shown_);
}

}  // namespace karvelo
