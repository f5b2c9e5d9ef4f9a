#include "zarn/field_button.h"

#include <QAccessibleWidget>

namespace zarn {

FieldButton::FieldButton(int row, int column, QWidget* parent)
    : QPushButton(parent), row_(row), column_(column) {}

QString FieldButton::FieldName() const { return QStringLiteral("Řádek %1, sloupec %2").arg(row_).arg(column_); }

namespace {

class AccessibleFieldButton final : public QAccessibleWidget {
public:
    explicit AccessibleFieldButton(FieldButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<FieldButton*>(widget())->FieldName();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<FieldButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* FieldButtonInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("zarn::FieldButton"))
        return new AccessibleFieldButton(static_cast<FieldButton*>(object));
    return nullptr;
}

}  // namespace

void InstallFieldButtonAccessibility() { QAccessible::installFactory(FieldButtonInterface); }

}  // namespace zarn
