// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/tab_order.h"

#include <QWidget>
#include <algorithm>
#include <vector>

namespace karvelo {

namespace {
// Less than any control's height: a check box two pixels above the combo boxes beside it shares their row.
constexpr int rowTolerance = 8;

std::vector<QWidget*> ControlsByLayout(QWidget& container) {
    std::vector<QWidget*> controls;
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isWindow() && !widget->isHidden() &&
            widget->focusPolicy() != Qt::NoFocus)
            controls.push_back(widget);
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    for (auto rowStart = controls.begin(); rowStart != controls.end();) {
        const int top = (*rowStart)->y();
        auto rowEnd = std::find_if(rowStart, controls.end(),
                                   [top](QWidget* w) { return w->y() >= top + rowTolerance; });
        std::stable_sort(rowStart, rowEnd, [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        rowStart = rowEnd;
    }
    return controls;
}

}  // namespace

void ArrangeTabOrderByLayout(QWidget& container) {
    const std::vector<QWidget*> controls = ControlsByLayout(container);
    for (std::size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

QWidget* FirstControlByLayout(QWidget& container) {
    const std::vector<QWidget*> controls = ControlsByLayout(container);
    return controls.empty() ? nullptr : controls.front();
}

}  // namespace karvelo
