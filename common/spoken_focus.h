// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling a screen reader something at once, from either program. A change of a control's name or
// description is not reliably spoken; a focus that moves to an object the reader has not seen yet
// always is. So the focused control takes the note as its description and is presented anew, as a
// fresh object that gets the focus: the reader speaks the control and then the note. The note is
// dropped when the control loses the focus, so a later visit hears the control alone.
// Header-only, compiled into each program on its own (the two programs share no library).

#include <QAccessible>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>

namespace spoken_focus {

namespace detail {

inline constexpr const char* noteProperty = "spokenFocusNote";
inline constexpr const char* clearerProperty = "spokenFocusClearer";  // the filter below is installed

class NoteClearer final : public QObject {
public:
    explicit NoteClearer(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->property(noteProperty).toBool()) {
                widget->setProperty(noteProperty, false);
                widget->setAccessibleDescription(QString());
            }
        }
        return false;
    }
};

}  // namespace detail

// Presents the accessible object anew: a reader that knew it sees a new object from now on.
inline void Renew(QObject& object) {
    if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(&object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
}

// Speaks the focused widget with the note. With an empty note the widget is spoken again as it is,
// its own description included.
inline void SpeakWithFocus(QWidget& focused, const QString& note) {
    if (!note.isEmpty()) {
        if (!focused.property(detail::clearerProperty).toBool()) {
            focused.setProperty(detail::clearerProperty, true);
            focused.installEventFilter(new detail::NoteClearer(&focused));
        }
        focused.setProperty(detail::noteProperty, true);
        focused.setAccessibleDescription(note);
    }
    if (!QAccessible::isActive()) return;
    Renew(focused);
    QAccessibleEvent focus(&focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

// Whether the widget carries a note that has not been dropped yet.
inline bool HasNote(const QWidget& widget) { return widget.property(detail::noteProperty).toBool(); }

// Drops the note before the focus leaves, once what it said is out of date.
inline void DropNote(QWidget& widget) {
    if (!HasNote(widget)) return;
    widget.setProperty(detail::noteProperty, false);
    widget.setAccessibleDescription(QString());
}

}  // namespace spoken_focus
