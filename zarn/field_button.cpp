#include "zarn/field_button.h"

#include <QAccessibleWidget>

namespace zarn {

FieldButton::FieldButton(int row, int column, QWidget* parent)
    : QPushButton(parent), row_(row), column_(column) {}

namespace {
QString MinesAroundText(int count) {
    if (count == 0) return QStringLiteral("žádná mina v okolí");
    if (count == 1) return QStringLiteral("1 mina v okolí");
    if (count <= 4) return QStringLiteral("%1 miny v okolí").arg(count);
    return QStringLiteral("%1 min v okolí").arg(count);
}
}  // namespace

QString FieldButton::FieldName() const {
    const QString field = QStringLiteral("Řádek %1, sloupec %2").arg(row_).arg(column_);
    if (shown_ == kCovered) return field;
    return field + QStringLiteral(": ") + (shown_ == kMineShown ? QStringLiteral("mina") : MinesAroundText(shown_));
}

void FieldButton::ShowUncovered(int minesAround) {
    const bool was = IsUncovered();
    shown_ = minesAround;
    TellAssistiveTechnology(was);
}

void FieldButton::ShowCovered() {
    if (!IsUncovered()) return;
    shown_ = kCovered;
    TellAssistiveTechnology(true);
}

void FieldButton::TellAssistiveTechnology(bool wasUncovered) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (wasUncovered == IsUncovered()) return;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent state(this, changed);
    QAccessible::updateAccessibility(&state);
    // Hiding the button told the reader that it went away; the field is still there, as its tile.
    if (IsUncovered() && isHidden()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

namespace {

class AccessibleFieldButton final : public QAccessibleWidget {
public:
    explicit AccessibleFieldButton(FieldButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Button()->FieldName();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (Button()->IsUncovered()) {
            // Its tile shows where the button stood; it can be read but not pressed.
            state.invisible = false;
            state.disabled = true;
            state.focusable = false;
        }
        return state;
    }

    QRect rect() const override {
        if (!Button()->IsUncovered() || Button()->parentWidget() == nullptr) return QAccessibleWidget::rect();
        const QWidget* area = Button()->parentWidget();
        return {area->mapToGlobal(Button()->pos()), Button()->size()};
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
