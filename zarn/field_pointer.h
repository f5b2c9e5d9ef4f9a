// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// On a screen of 150 % or 200 % the pointer lies between logical pixels, and the toolkit gives a
// press to the widget under the position rounded to the nearest one: on the last device pixels of
// a field that is its right or lower neighbour, or beyond the last field the window itself. This
// hands every press in the field to the button whose 20 x 20 logical pixels show under the
// pointer, and its release after it.

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace zarn {

class FieldPointer final : public QObject {
public:
    // `area` is the field buttons' parent; it is watched from the start.
    explicit FieldPointer(QWidget& area);

    // Every field button, once, when it is made.
    void Watch(QWidget& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& area_;
    bool handedOn_ = false;            // the press went to another button, or to none
    QPointer<QAbstractButton> owner_;  // the button that got it
};

}  // namespace zarn
