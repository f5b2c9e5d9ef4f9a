// SPDX-License-Identifier: GPL-3.0-or-later
#include "zarn/field_button.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QPainter>

namespace zarn {

FieldButton::FieldButton(int row, int column, QWidget* parent)
    : QPushButton(parent), row_(row), column_(column) {}

QString MinesAroundText(int count) {
    if (count == 0) return QStringLiteral("žádná mina v okolí");
    if (count == 1) return QStringLiteral("1 mina v okolí");
    if (count <= 4) return QStringLiteral("%1 miny v okolí").arg(count);
    return QStringLiteral("%1 min v okolí").arg(count);
}

QString FieldButton::FieldName() const {
    const QString field = QStringLiteral("Řádek %1, sloupec %2: ").arg(row_).arg(column_);
    if (shown_ == kCovered) return field + QStringLiteral("zakryté");
    return field + (shown_ == kMineShown ? QStringLiteral("mina") : MinesAroundText(shown_));
}

void FieldButton::ShowUncovered(int minesAround) {
    const bool was = IsUncovered();
    shown_ = minesAround;
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setDown(false);
    update();
    TellAssistiveTechnology(was);
}

void FieldButton::ShowCovered() {
    if (!IsUncovered()) return;
    shown_ = kCovered;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    update();
    TellAssistiveTechnology(true);
}

void FieldButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() != Qt::MouseFocusReason;
    QPushButton::focusInEvent(event);
}

void FieldButton::paintEvent(QPaintEvent* event) {
    if (!IsUncovered()) {
        QPushButton::paintEvent(event);
        return;
    }
    // The tile beneath is the field; only a keyboard user's focus is drawn over it.
    if (!hasFocus() || !keyboardFocus_) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void FieldButton::TellAssistiveTechnology(bool wasUncovered) {
    if (!QAccessible::isActive() || wasUncovered == IsUncovered()) return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

namespace {

class AccessibleFieldButton final : public QAccessibleWidget {
public:
    explicit AccessibleFieldButton(FieldButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Button()->FieldName();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        if (Button()->IsUncovered()) return {};
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (!Button()->IsUncovered()) Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    FieldButton* Button() const { return static_cast<FieldButton*>(widget()); }
};

QAccessibleInterface* FieldButtonInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("zarn::FieldButton"))
        return new AccessibleFieldButton(static_cast<FieldButton*>(object));
    return nullptr;
}

}  // namespace

void InstallFieldButtonAccessibility() { QAccessible::installFactory(FieldButtonInterface); }

}  // namespace zarn
