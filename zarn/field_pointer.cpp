// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/field_pointer.h"

#include "zarn/field_button.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QtMath>

namespace zarn {

namespace {

// The logical pixel of `widget` that holds the exact position of the event delivered to
// `receiver`. The toolkit delivers the position rounded to whole logical pixels, but keeps its
// fraction in the position in the window.
QPoint PixelUnder(const QWidget& widget, const QWidget& receiver, const QMouseEvent& event) {
    const QPointF fraction = event.scenePosition() - QPointF(event.scenePosition().toPoint());
    const QWidget& window = *receiver.window();
    const QPointF exact = widget.mapFrom(&window, receiver.mapTo(&window, event.position() + fraction));
    return {qFloor(exact.x()), qFloor(exact.y())};
}

bool IsPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

}  // namespace

FieldPointer::FieldPointer(QWidget& area) : QObject(&area), area_(area) { area.installEventFilter(this); }

void FieldPointer::Watch(QWidget& button) { button.installEventFilter(this); }

bool FieldPointer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool release = type == QEvent::MouseButtonRelease;
    if (handedOn_ && type == QEvent::MouseMove) return true;  // the button that got the press keeps it alone
    if (!IsPress(type) && !(handedOn_ && release)) return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const QWidget& receiver = *static_cast<QWidget*>(watched);
    auto handOn = [&](QAbstractButton& owner) {
        QMouseEvent handed(type, PixelUnder(owner, receiver, mouse), mouse.scenePosition(),
                           mouse.globalPosition(), mouse.button(), mouse.buttons(), mouse.modifiers(),
                           mouse.pointingDevice());
        QCoreApplication::sendEvent(&owner, &handed);
    };
    if (release) {
        handedOn_ = false;
        if (QAbstractButton* owner = owner_.data()) {
            owner_.clear();
            handOn(*owner);
        }
        return true;
    }
    // Hidden and uncovered buttons let the mouse through: no field to press there.
    auto* owner = qobject_cast<FieldButton*>(area_.childAt(PixelUnder(area_, receiver, mouse)));
    if (owner == watched || (owner == nullptr && watched == &area_)) return false;
    handedOn_ = true;
    owner_ = owner;
    if (owner != nullptr) {
        // The toolkit gives the focus to the widget it chose; the press belongs to this one.
        if (owner->focusPolicy() & Qt::ClickFocus) owner->setFocus(Qt::MouseFocusReason);
        handOn(*owner);
    }
    return true;
}

}  // namespace zarn
